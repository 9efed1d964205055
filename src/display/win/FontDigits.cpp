#include "display/win/FontDigits.h"

#include <windows.h>

#include "common/win/Handles.h"
#include "display/core/IconPicture.h"
#include "display/win/IconBitmap.h"

namespace orvane::win {

namespace {

LOGFONTW IconLogFont(const TFontSpec& font, int dpi) {
    LOGFONTW lf{};
    lf.lfHeight = -::MulDiv(font.Size, dpi, 72);
    lf.lfWeight = (font.Style & kFontBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (font.Style & kFontItalic) ? TRUE : FALSE;
    lf.lfUnderline = (font.Style & kFontUnderline) ? TRUE : FALSE;
    lf.lfStrikeOut = (font.Style & kFontStrikeOut) ? TRUE : FALSE;
    lf.lfCharSet = static_cast<BYTE>(font.CharSet);
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = ANTIALIASED_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH;
    font.Name.copy(lf.lfFaceName, LF_FACESIZE - 1);  // the rest stays zero
    return lf;
}

}  // namespace

void DrawFontDigits(PixelBuffer& canvas, const TOrvaneOptions& o, const std::wstring& text,
                    TColor colour, int dpi) {
    DibCanvas surface(canvas);
    const LOGFONTW lf = IconLogFont(o.Font, dpi);
    const UniqueFont font(::CreateFontIndirectW(&lf));
    if (!surface.Valid() || !font) {
        return;
    }
    {
        const SelectObjectGuard selected(surface.Dc(), font.get());
        SIZE extent{};
        ::GetTextExtentPoint32W(surface.Dc(), text.c_str(), static_cast<int>(text.size()), &extent);
        const Point at = FontTextOrigin(o, canvas.Width(), dpi, extent.cx);
        ::SetBkMode(surface.Dc(), TRANSPARENT);
        ::SetTextColor(surface.Dc(), static_cast<COLORREF>(colour));
        ::TextOutW(surface.Dc(), at.x, at.y, text.c_str(), static_cast<int>(text.size()));
    }
    surface.CopyTo(canvas);
}

}  // namespace orvane::win
