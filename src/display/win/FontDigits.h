#pragma once

#include <string>

#include "display/core/PixelBuffer.h"
#include "settings/core/Options.h"

namespace orvane::win {

// Writes `text` onto the picture in the settings font, anti-aliased, with a transparent
// background, centred as the icon wants it. `colour` is a concrete RGB colour.
void DrawFontDigits(PixelBuffer& canvas, const TOrvaneOptions& o, const std::wstring& text,
                    TColor colour, int dpi);

}  // namespace orvane::win
