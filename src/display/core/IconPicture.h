#pragma once

#include <cstdint>
#include <string>

#include "common/core/Geometry.h"
#include "common/core/LocaleFormat.h"
#include "display/core/ColorRoles.h"
#include "display/core/DigitStrips.h"
#include "display/core/PixelBuffer.h"
#include "monitor/core/MemorySnapshot.h"
#include "settings/core/OrvaneOptions.h"

namespace orvane {

// Pixels of exactly this colour are transparent in the tray.
constexpr ColorValue kTransparentKey = RgbColor(3, 3, 3);
// Above this DPI the strips are too small and the settings font draws the digits.
constexpr int kMaxStripDpi = 144;

// The icon's figure, worked out before anything is drawn.
struct IconText {
    std::wstring Value;  // cut to four characters
    int DecimalPos = 0;  // 1-based place of the decimal separator in Value, 0 when absent
    bool StripPath = false;
    std::wstring Drawn;  // what is drawn: on the strip path without any separator
    bool operator==(const IconText&) const = default;
};

std::wstring IconValueText(const OrvaneOptions& o, const MemorySnapshot& s,
                           const NumberSeparators& sep);
// The total of the memory kind the icon shows.
std::uint64_t DisplayedTotalOf(const OrvaneOptions& o, const MemorySnapshot& s);
IconText MakeIconText(const OrvaneOptions& o, const MemorySnapshot& s, const NumberSeparators& sep,
                      int dpi);

struct IconGeometry {
    int BarTop = 0;
    int BarHeight = 0;  // the bar covers BarHeight - 1 rows
    int BarRight = 0;
    int Step = 0;  // gauge segment width, 3 at 96 DPI
};

IconGeometry ComputeIconGeometry(const OrvaneOptions& o, std::uint32_t load, int iconSize, int dpi);

// The load colour of the bar: normal, raised or high.
ColorValue LoadColor(const OrvaneOptions& o, const IconColors& c, std::uint32_t load);
ColorValue DigitColor(const OrvaneOptions& o, const IconColors& c, std::uint32_t load);

// Background, bar, full bar and gauge lines. `c` holds concrete colours.
void DrawIconBackground(PixelBuffer& canvas, const OrvaneOptions& o, std::uint32_t load,
                        const IconColors& c, int dpi);

// The drawn text pasted from the digit strips; `glyph` is the scratch cell picture.
void DrawStripDigits(PixelBuffer& canvas, const OrvaneOptions& o, const IconText& text,
                     ColorValue digitColor, int dpi, DigitStrips& strips, PixelBuffer& glyph);

// The redraw decision: true, remembering `drawn`, unless it equals the last drawn text while a
// memory summary exists.
bool TakeRedraw(std::wstring& lastDrawText, const std::wstring& drawn, bool haveSummary);

// The whole picture; on the font path everything but the text.
void DrawIconPicture(PixelBuffer& canvas, const OrvaneOptions& o, std::uint32_t load,
                     const IconText& text, const IconColors& c, int dpi, DigitStrips& strips,
                     PixelBuffer& glyph);

// Where the font path writes a text `textWidth` pixels wide.
Point FontTextOrigin(const OrvaneOptions& o, int iconSize, int dpi, int textWidth);

}  // namespace orvane
