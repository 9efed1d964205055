#include "processes/win/MenuGlyphFont.h"

#include <iterator>

#include "processes/core/TrayMenuModel.h"
#include "processes/win/ProcessMenuResources.h"

namespace orvane::win {

MenuGlyphFont::MenuGlyphFont() {
    HMODULE module = ::GetModuleHandleW(nullptr);
    HRSRC res = ::FindResourceW(module, MAKEINTRESOURCEW(IDR_MENU_GLYPH_FONT), RT_RCDATA);
    if (!res) {
        return;
    }
    HGLOBAL loaded = ::LoadResource(module, res);
    const DWORD size = ::SizeofResource(module, res);
    void* data = loaded ? ::LockResource(loaded) : nullptr;
    if (!data || size == 0) {
        return;
    }
    DWORD fonts = 0;
    fontHandle_ = ::AddFontMemResourceEx(data, size, nullptr, &fonts);
}

MenuGlyphFont::~MenuGlyphFont() {
    if (fontHandle_) {
        ::RemoveFontMemResourceEx(fontHandle_);
    }
}

UniqueFont MenuGlyphFont::Create(int pixelSize) const {
    LOGFONTW lf{};
    lf.lfHeight = -pixelSize;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = ANTIALIASED_QUALITY;
    lstrcpynW(lf.lfFaceName, L"Material Icons", LF_FACESIZE);
    return UniqueFont(::CreateFontIndirectW(&lf));
}

void DrawMenuGlyph(HDC dc, HFONT font, int index, int x, int y, int size, COLORREF color) {
    if (index < 0 || index >= static_cast<int>(std::size(kMenuGlyphs)) || !font) {
        return;
    }
    SelectObjectGuard select(dc, font);
    const COLORREF oldColor = ::SetTextColor(dc, color);
    const int oldMode = ::SetBkMode(dc, TRANSPARENT);
    RECT r{x, y, x + size, y + size};
    wchar_t glyph[2] = {kMenuGlyphs[index], L'\0'};
    ::DrawTextW(dc, glyph, 1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    ::SetBkMode(dc, oldMode);
    ::SetTextColor(dc, oldColor);
}

}  // namespace orvane::win
