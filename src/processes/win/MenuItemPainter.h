#pragma once

#include <windows.h>

#include <uxtheme.h>

#include "processes/win/TrayMenuItem.h"

namespace orvane::win {

// What drawing an item needs besides the item itself; gathered once per opening.
struct MenuPaintContext {
    bool dark = false;    // the menu colour mode is dark
    bool styled = false;  // visual styles are active (theme is open)
    bool vista = true;    // Windows 6 or later
    COLORREF highlight = 0;
    int iconSize = 16;
    int dpi = 96;
    HFONT font = nullptr;
    HFONT boldFont = nullptr;
    HFONT glyphFont = nullptr;
    HICON appIcon = nullptr;          // for process lines without an icon of their own
    HICON taskManagerIcon = nullptr;  // for the Task Manager item
    HTHEME theme = nullptr;           // MENU class, when styled
};

// Size of an item; `textHeight` receives the height of "AA" in the item's font.
void MeasureMenuItem(HDC dc, const TrayMenuItem& item, const MenuPaintContext& ctx, UINT& width,
                     UINT& height, int& textHeight);

// Paints one item into dis.rcItem.
void DrawMenuItem(const DRAWITEMSTRUCT& dis, const TrayMenuItem& item, const MenuPaintContext& ctx,
                  int textHeight);

}  // namespace orvane::win
