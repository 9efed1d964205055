#include "display/win/FontDigits.h"

#include <cstring>

#include "display/core/IconPicture.h"

namespace orvane::win {

namespace {

LOGFONTW IconLogFont(const FontSpec& font, int dpi) {
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

void FontDigitsPainter::Draw(PixelBuffer& canvas, const OrvaneOptions& o, const std::wstring& text,
                             ColorValue colour, int dpi) {
    if (!surface_ || surface_->Width() != canvas.Width() || surface_->Height() != canvas.Height()) {
        surface_ = std::make_unique<DibCanvas>(canvas.Width(), canvas.Height());
    }
    const LOGFONTW lf = IconLogFont(o.Font, dpi);
    if (!font_ || std::memcmp(&lf, &fontKey_, sizeof(lf)) != 0) {
        font_.reset(::CreateFontIndirectW(&lf));
        fontKey_ = lf;
    }
    if (!surface_->Valid() || !font_) {
        return;
    }
    surface_->Load(canvas);
    const HDC dc = surface_->Dc();
    {
        const SelectObjectGuard selected(dc, font_.get());
        SIZE extent{};
        ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        const Point at = FontTextOrigin(o, canvas.Width(), dpi, extent.cx);
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, static_cast<COLORREF>(colour));
        ::TextOutW(dc, at.x, at.y, text.c_str(), static_cast<int>(text.size()));
    }
    surface_->CopyTo(canvas);
}

void DrawFontDigits(PixelBuffer& canvas, const OrvaneOptions& o, const std::wstring& text,
                    ColorValue colour, int dpi) {
    FontDigitsPainter().Draw(canvas, o, text, colour, dpi);
}

}  // namespace orvane::win
