#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "history/core/HistoryChart.h"

namespace orvane::win {

// The chart's colours: the icon's green, yellow and red for the load, the menu's background and
// text for the rest.
struct ChartColors {
    COLORREF Background = RGB(240, 240, 240);
    COLORREF Text = RGB(0, 0, 0);
    COLORREF Grid = RGB(200, 200, 200);
    COLORREF Green = RGB(0, 160, 0);
    COLORREF Yellow = RGB(230, 180, 0);
    COLORREF Red = RGB(220, 0, 0);
};

// Everything one paint shows.
struct ChartPicture {
    ChartData Data;
    int YellowPercent = 65;
    int RedPercent = 90;
    std::vector<std::wstring> SuspectLines;  // the first is the heading
    std::optional<int> HoverX;
    std::vector<std::wstring> HoverLines;
};

// A text the paint put into a box, with the extent the font gave it (tests check that every
// text fits its box).
struct DrawnText {
    std::wstring Text;
    RECT Box{};
    SIZE Extent{};
};

// Draws the chart's picture into `dc` (the window's buttons excepted) with `font` selected;
// `layout` comes from LayoutChart at the same DPI and font.
std::vector<DrawnText> PaintChart(HDC dc, const RECT& client, const ChartLayout& layout, int dpi,
                                  HFONT font, const ChartPicture& picture,
                                  const ChartColors& colors);

}  // namespace orvane::win
