#pragma once

#include "common/core/Geometry.h"

namespace orvane {

// Pixel arithmetic of the owner-drawn tray menu items. Lengths are for 96 DPI and scaled to
// `dpi`; `item` is the item's rectangle as the menu hands it over.

struct MenuItemSize {
    int width = 0;
    int height = 0;
};

// Separators keep the proposed width; other items leave room for the value column.
MenuItemSize MeasureMenuItem(bool separator, int captionWidth, int textHeight, int proposedWidth,
                             int dpi);

// Top-left of the icon (process icon, Task Manager icon) or of a font glyph.
Point MenuIconOrigin(const Rect& item, int iconSize, bool glyph, bool dark, int dpi);

// The caption's rectangle: memory lines start near the edge, all others after the icon.
Rect MenuTextRect(const Rect& item, bool memoryLine, int iconSize, int textHeight, int dpi);

// The right-aligned value (or shortcut) column of `valueWidth` pixels, on the caption's top.
Rect MenuValueRect(const Rect& item, int textTop, int valueWidth, int dpi);

struct LineSegment {
    Point from;
    Point to;
};

// Separator lines: the dark themed one, and the classic pair (shadow, then highlight below).
LineSegment DarkSeparatorLine(const Rect& item, int dpi);
LineSegment ClassicSeparatorLine(const Rect& item, int offset);
// Where the themed light separator is drawn.
Rect ThemedSeparatorRect(const Rect& item, int dpi);

}  // namespace orvane
