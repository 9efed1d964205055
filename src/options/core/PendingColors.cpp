#include "options/core/PendingColors.h"

#include "settings/core/ColorText.h"
#include "settings/core/SettingsValues.h"

namespace orvane {

namespace {

// The colour fields of ThemeColors in entry order 1-7.
constexpr ColorValue ThemeColors::*kColorFields[] = {
    &ThemeColors::TopProcessHighlight,
    &ThemeColors::FontColor,
    &ThemeColors::BackgroundColor,
    &ThemeColors::BarColor,
    &ThemeColors::GreenColor,
    &ThemeColors::YellowColor,
    &ThemeColors::RedColor,
};

}  // namespace

std::wstring ValueTextOfColor(ColorValue color) {
    return color == kAutomaticColor ? std::wstring(kAutomaticValueText) : ColorToText(color);
}

PendingColorTexts PendingFromColors(const ThemeColors& colors) {
    PendingColorTexts texts;
    texts[kEntryMenuMode] = std::to_wstring(colors.MenuMode);
    for (std::size_t i = 0; i < std::size(kColorFields); ++i) {
        texts[kEntryTopProcessHighlight + i] = ValueTextOfColor(colors.*kColorFields[i]);
    }
    return texts;
}

PendingColorTexts PendingDefaults() {
    PendingColorTexts texts;
    texts.fill(std::wstring(kAutomaticValueText));
    return texts;
}

int MenuModeFromText(std::wstring_view text) {
    const auto value = ParseIntegerValue(text);
    return value && *value >= -1 && *value <= 1 ? *value : -1;
}

ColorValue ColorFromValueText(std::wstring_view text) {
    return text == kAutomaticValueText ? kAutomaticColor : TextToColor(text);
}

ThemeColors ColorsFromPending(const PendingColorTexts& texts) {
    ThemeColors colors;
    colors.MenuMode = MenuModeFromText(texts[kEntryMenuMode]);
    for (std::size_t i = 0; i < std::size(kColorFields); ++i) {
        colors.*kColorFields[i] = ColorFromValueText(texts[kEntryTopProcessHighlight + i]);
    }
    return colors;
}

}  // namespace orvane
