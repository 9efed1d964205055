#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "options/core/ThemeColors.h"
#include "settings/core/Color.h"

namespace orvane {

// The colour list of the options dialog: eight entries, each with a caption and a pending value
// text. The texts are what themes, the colour controls and OK/Apply read and write.
inline constexpr std::size_t kPendingColorCount = 8;
using PendingColorTexts = std::array<std::wstring, kPendingColorCount>;

enum PendingColorEntry : std::size_t {
    kEntryMenuMode = 0,
    kEntryTopProcessHighlight = 1,
    kEntryFontColor = 2,
    kEntryBackgroundColor = 3,
    kEntryBarColor = 4,
    kEntryGreenColor = 5,
    kEntryYellowColor = 6,
    kEntryRedColor = 7,
};

// The list's captions, in entry order.
inline constexpr std::array<std::wstring_view, kPendingColorCount> kPendingColorCaptions = {
    L"菜单 - 颜色模式", L"菜单 - 顶部进程高亮显示颜色", L"图标托盘 - 文本",   L"图标托盘 - 背景",
    L"图标栏 - 背景",   L"图标栏 - \"正常/绿色\"",      L"图标栏 - \"黄色\"", L"图标栏 - \"红色\"",
};

// The value text of automatic, for the menu mode and every colour.
inline constexpr std::wstring_view kAutomaticValueText = L"-1";

// "-1" for automatic, else the colour text.
std::wstring ValueTextOfColor(ColorValue color);

// The menu mode in decimal and the seven colours as value texts.
PendingColorTexts PendingFromColors(const ThemeColors& colors);

// Every entry automatic.
PendingColorTexts PendingDefaults();

// A menu-mode text as the dialog uses it: -1, 0 or 1. Any other number, or a text that is not a
// number, is -1 (automatic), so a hand-edited theme cannot carry an unusable mode into the
// settings.
int MenuModeFromText(std::wstring_view text);

// A colour value text: "-1" and any text that is not a colour give -1 (automatic).
ColorValue ColorFromValueText(std::wstring_view text);

// The eight values the texts stand for.
ThemeColors ColorsFromPending(const PendingColorTexts& texts);

}  // namespace orvane
