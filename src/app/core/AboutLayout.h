#pragma once

#include "common/core/Geometry.h"

namespace orvane {

// Width and height of a text in the window's font, in pixels.
struct TextSize {
    int cx = 0;
    int cy = 0;
};

// The measured texts of the about window at the DPI it is laid out for.
struct AboutTexts {
    TextSize Name;
    TextSize Version;
    TextSize Rights;
    TextSize Update;  // the widest of the update label's captions
    TextSize Button;
};

// Where the about window's controls go in its client area.
struct AboutLayout {
    Rect Icon;
    Rect Name;
    Rect Version;
    Rect Rights;
    Rect Update;
    Rect Button;
    int ClientWidth = 0;
    int ClientHeight = 0;
};

// Icon at the top left, the four text lines beside it, the button at the bottom right; every
// text gets at least its measured size, all spacing scales with `dpi`.
AboutLayout LayoutAbout(const AboutTexts& texts, int iconSize, int dpi);

}  // namespace orvane
