#pragma once

#include <string>
#include <string_view>

#include "options/core/PendingColors.h"
#include "settings/core/SettingsStore.h"

namespace orvane {

// The extension of theme files, and their one section.
inline constexpr std::wstring_view kThemeFileExtension = L".Orvane Theme";
inline constexpr std::wstring_view kThemeSection = L"OrvaneTheme";
// The version this program writes; files of other versions keep an older background switch.
inline constexpr std::wstring_view kThemeVersion = L"40";

// What a theme holds: the eight pending value texts and the two appearance switches.
struct ThemeValues {
    PendingColorTexts Texts;
    bool Transparent = true;  // the transparent-background box
    bool FullBar = false;     // the opaque-bar box

    bool operator==(const ThemeValues&) const = default;
};

// Reads a theme. The value texts come back as the file holds them (missing keys "-1"); the
// dialog interprets them when it shows or applies them. A file of version "40" (or without a
// version) keeps the transparent switch in "Transparent" (default on); older ones keep the
// opposite in "OpaqueBackground" (default off). A missing file reads as all defaults.
ThemeValues ReadTheme(const SettingsReader& file);

// Writes the keys in their fixed order: Ver, Name, the eight values, Transparent,
// BarOpaqueBackground. Other keys of an existing file stay. A failed write throws and stops.
void WriteTheme(SettingsWriter& file, std::wstring_view name, const ThemeValues& values);

}  // namespace orvane
