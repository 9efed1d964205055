#include "options/core/ThemeFile.h"

#include <array>

#include "settings/core/SettingsValues.h"

namespace orvane {

namespace {

// The keys of the eight value texts, in entry order.
constexpr std::array<std::wstring_view, kPendingColorCount> kValueKeys = {
    L"MenuMode", L"TopProcessHighlight", L"FontColor",   L"BackgroundColor",
    L"BarColor", L"GreenColor",          L"YellowColor", L"RedColor",
};

constexpr std::wstring_view kVersionKey = L"Ver";
constexpr std::wstring_view kNameKey = L"Name";
constexpr std::wstring_view kTransparentKey = L"Transparent";
constexpr std::wstring_view kBarOpaqueKey = L"BarOpaqueBackground";
constexpr std::wstring_view kOpaqueKey = L"OpaqueBackground";

// A switch is a whole number, any value but 0 meaning on; an unreadable one keeps its default.
bool ReadSwitch(const SettingsReader& file, std::wstring_view key, bool defaultValue) {
    return ParseBooleanValue(file.ReadString(kThemeSection, key, BooleanValueText(defaultValue)))
        .value_or(defaultValue);
}

}  // namespace

ThemeValues ReadTheme(const SettingsReader& file) {
    ThemeValues values;
    const std::wstring version = file.ReadString(kThemeSection, kVersionKey, kThemeVersion);
    for (std::size_t i = 0; i < kPendingColorCount; ++i) {
        values.Texts[i] = file.ReadString(kThemeSection, kValueKeys[i], kAutomaticValueText);
    }
    values.Transparent = version == kThemeVersion ? ReadSwitch(file, kTransparentKey, true)
                                                  : !ReadSwitch(file, kOpaqueKey, false);
    values.FullBar = ReadSwitch(file, kBarOpaqueKey, false);
    return values;
}

void WriteTheme(SettingsWriter& file, std::wstring_view name, const ThemeValues& values) {
    file.WriteString(kThemeSection, kVersionKey, kThemeVersion);
    file.WriteString(kThemeSection, kNameKey, name);
    for (std::size_t i = 0; i < kPendingColorCount; ++i) {
        file.WriteString(kThemeSection, kValueKeys[i], values.Texts[i]);
    }
    file.WriteString(kThemeSection, kTransparentKey, BooleanValueText(values.Transparent));
    file.WriteString(kThemeSection, kBarOpaqueKey, BooleanValueText(values.FullBar));
}

}  // namespace orvane
