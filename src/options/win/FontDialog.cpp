#include "options/win/FontDialog.h"

#include <commdlg.h>

#include <cwchar>

#include "common/win/CommonDialogs.h"
#include "common/win/Handles.h"
#include "display/win/DarkMode.h"

namespace orvane::win {

namespace {

constexpr INT kMinFontSize = 1;
constexpr INT kMaxFontSize = 72;

int ScreenPixelsPerInch() {
    const WindowDc screen(nullptr);
    const int dpi = screen.get() ? ::GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

LOGFONTW LogFontOf(const FontSpec& font) {
    LOGFONTW lf{};
    lf.lfHeight = -::MulDiv(font.Size, ScreenPixelsPerInch(), 72);
    lf.lfWeight = (font.Style & kFontBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (font.Style & kFontItalic) ? TRUE : FALSE;
    lf.lfUnderline = (font.Style & kFontUnderline) ? TRUE : FALSE;
    lf.lfStrikeOut = (font.Style & kFontStrikeOut) ? TRUE : FALSE;
    lf.lfCharSet = static_cast<BYTE>(font.CharSet);
    wcsncpy_s(lf.lfFaceName, font.Name.c_str(), _TRUNCATE);
    return lf;
}

}  // namespace

std::optional<FontSpec> ChooseIconFont(HWND owner, const FontSpec& font,
                                       const FontDialogCall& call) {
    LOGFONTW lf = LogFontOf(font);
    CHOOSEFONTW cf{};
    cf.lStructSize = sizeof(cf);
    cf.hwndOwner = owner;
    cf.lpLogFont = &lf;
    // The sizes the settings file keeps: a larger one would be lost at the next start.
    cf.Flags = CF_INITTOLOGFONTSTRUCT | CF_SCREENFONTS | CF_EFFECTS | CF_LIMITSIZE;
    cf.nSizeMin = kMinFontSize;
    cf.nSizeMax = kMaxFontSize;
    cf.rgbColors = static_cast<COLORREF>(ColorToRgb(font.Color));
    if (!(call ? call(&cf) : ChooseFontDialog(&cf))) {
        return std::nullopt;
    }
    FontSpec chosen;
    chosen.Name = lf.lfFaceName;
    chosen.Size = cf.iPointSize > 0 ? (cf.iPointSize + 5) / 10 : font.Size;
    chosen.Style = (lf.lfWeight >= FW_BOLD ? kFontBold : 0) | (lf.lfItalic ? kFontItalic : 0) |
                   (lf.lfUnderline ? kFontUnderline : 0) | (lf.lfStrikeOut ? kFontStrikeOut : 0);
    chosen.CharSet = lf.lfCharSet;
    chosen.Color = static_cast<ColorValue>(cf.rgbColors);
    return chosen;
}

}  // namespace orvane::win
