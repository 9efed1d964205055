#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "common/win/Handles.h"
#include "display/core/PixelBuffer.h"
#include "display/win/IconBitmap.h"
#include "settings/core/OrvaneOptions.h"

namespace orvane::win {

// Writes the icon's text in the settings font. Keeps its drawing surface and the font from one
// redraw to the next: they are made again only when the icon size or the font changes.
class FontDigitsPainter {
  public:
    // As DrawFontDigits.
    void Draw(PixelBuffer& canvas, const OrvaneOptions& o, const std::wstring& text,
              ColorValue colour, int dpi);

  private:
    std::unique_ptr<DibCanvas> surface_;
    UniqueFont font_;
    LOGFONTW fontKey_{};
};

// Writes `text` onto the picture in the settings font, anti-aliased, with a transparent
// background, centred as the icon wants it. `colour` is a concrete RGB colour.
void DrawFontDigits(PixelBuffer& canvas, const OrvaneOptions& o, const std::wstring& text,
                    ColorValue colour, int dpi);

}  // namespace orvane::win
