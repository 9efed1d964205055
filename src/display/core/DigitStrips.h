#pragma once

#include "display/core/PicClip.h"

namespace orvane {

// The four built-in digit strips, one per glyph size.
struct DigitStrips {
    DigitStrips();

    PicClip PicClip_3;     // 5 × 9 cells, 96 DPI
    PicClip PicClip_3_20;  // 6 × 11 cells, 120 DPI
    PicClip PicClip_3_24;  // 8 × 14 cells, any other DPI up to 144
    PicClip PicClip_4;     // 3 × 8 cells, four-character values

    // The strip for values of up to three characters (number 3) or of four (number 4).
    PicClip& GetPicClip(int number, int dpi);
};

}  // namespace orvane
