#include "options/core/PendingColors.h"

#include "settings/core/ColorText.h"
#include "settings/core/SettingsValues.h"

namespace orvane {

namespace {

// The colour fields of TThemeColors in entry order 1-7.
constexpr TColor TThemeColors::*kColorFields[] = {
    &TThemeColors::TopProcessHighlight,
    &TThemeColors::FontColor,
    &TThemeColors::BackgroundColor,
    &TThemeColors::BarColor,
    &TThemeColors::GreenColor,
    &TThemeColors::YellowColor,
    &TThemeColors::RedColor,
};

}  // namespace

std::wstring ValueTextOfColor(TColor color) {
    return color == kAutomaticColor ? std::wstring(kAutomaticValueText) : ColorToText(color);
}

PendingColorTexts PendingFromColors(const TThemeColors& colors) {
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

TColor ColorFromValueText(std::wstring_view text) {
    return text == kAutomaticValueText ? kAutomaticColor : TextToColor(text);
}

TThemeColors ColorsFromPending(const PendingColorTexts& texts) {
    TThemeColors colors;
    colors.MenuMode = MenuModeFromText(texts[kEntryMenuMode]);
    for (std::size_t i = 0; i < std::size(kColorFields); ++i) {
        colors.*kColorFields[i] = ColorFromValueText(texts[kEntryTopProcessHighlight + i]);
    }
    return colors;
}

}  // namespace orvane
