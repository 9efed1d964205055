#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "settings/core/OrvaneOptions.h"
#include "settings/core/SettingsStore.h"

namespace orvane {

// How a key's text encodes its value.
enum class SettingKind {
    Boolean,  // "1" / "0"
    Integer,  // decimal, read also as hexadecimal after "0x" or "$"
    Color,    // "Automatic" or a colour text
    Text,     // as is
};

// Where in the settings record a key's value lives.
using SettingMember =
    std::variant<bool OrvaneOptions::*, std::int32_t OrvaneOptions::*,
                 std::wstring OrvaneOptions::*, int FontSpec::*, std::wstring FontSpec::*>;

struct SettingField {
    std::wstring_view Section;
    std::wstring_view Key;
    SettingKind Kind;
    SettingMember Member;
    bool Saved = true;  // false: read, never written
    // Whole numbers outside this range read as the default.
    std::int32_t Min = INT32_MIN;
    std::int32_t Max = INT32_MAX;
};

// Every key of the settings file, in the order a save writes them into a new file; the keys
// that are only read come last.
std::span<const SettingField> SettingFields();

// The text a key would be written as, for the current value of `options`.
std::wstring SettingText(const SettingField& field, const OrvaneOptions& options);

// Stores a key's text into `options`; text the key's encoding cannot read leaves the value.
void ApplySettingText(const SettingField& field, std::wstring_view text, OrvaneOptions& options);

// All settings from `reader`, each key defaulting to the record's default, the font keys to
// `currentFont` and "LogFile" to `defaultLogFile`. `Font.Color` stays `currentFont.Color`: the
// effective text colour is for the caller to set from `FontColor`.
OrvaneOptions ReadOptions(const SettingsReader& reader, const std::wstring& defaultLogFile,
                          const FontSpec& currentFont = {});

// Writes every saved key in file order. Stops at the first write that throws.
void WriteOptions(const OrvaneOptions& options, SettingsWriter& writer);

}  // namespace orvane
