#pragma once

#include <windows.h>

#include "common/win/Handles.h"

namespace orvane::win {

// The menu-glyph icon font carried in the program's resources, registered for this process
// only while the object lives.
class MenuGlyphFont {
  public:
    MenuGlyphFont();
    ~MenuGlyphFont();
    MenuGlyphFont(const MenuGlyphFont&) = delete;
    MenuGlyphFont& operator=(const MenuGlyphFont&) = delete;

    bool Registered() const { return fontHandle_ != nullptr; }
    // The font with an em of `pixelSize` pixels, so one glyph fills a square of that size.
    UniqueFont Create(int pixelSize) const;

  private:
    HANDLE fontHandle_ = nullptr;
};

// Draws glyph `index` centred in the square (x, y, size) in `color`, transparently.
void DrawMenuGlyph(HDC dc, HFONT font, int index, int x, int y, int size, COLORREF color);

}  // namespace orvane::win
