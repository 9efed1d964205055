#include "common/win/DpiMetrics.h"

namespace orvane::win {

namespace {

using SystemParametersInfoForDpiFn = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);

void ScaleFont(LOGFONTW& font, int dpi, int systemDpi) {
    font.lfHeight = ::MulDiv(font.lfHeight, dpi, systemDpi);
}

}  // namespace

NONCLIENTMETRICSW NonClientMetricsForDpi(int dpi) {
    NONCLIENTMETRICSW ncm{};
    ncm.cbSize = sizeof(ncm);
    static const auto forDpi = GetProcAddressAs<SystemParametersInfoForDpiFn>(
        ::GetModuleHandleW(L"user32.dll"), "SystemParametersInfoForDpi");
    if (forDpi && forDpi(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0, static_cast<UINT>(dpi))) {
        return ncm;
    }
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0);
    const WindowDc screen(nullptr);
    const int systemDpi = screen.get() ? ::GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
    if (systemDpi > 0 && systemDpi != dpi) {
        for (LOGFONTW* font : {&ncm.lfCaptionFont, &ncm.lfSmCaptionFont, &ncm.lfMenuFont,
                               &ncm.lfStatusFont, &ncm.lfMessageFont}) {
            ScaleFont(*font, dpi, systemDpi);
        }
        ncm.iCaptionHeight = ::MulDiv(ncm.iCaptionHeight, dpi, systemDpi);
        ncm.iCaptionWidth = ::MulDiv(ncm.iCaptionWidth, dpi, systemDpi);
    }
    return ncm;
}

UniqueFont CreateMessageFont(int dpi) {
    const NONCLIENTMETRICSW ncm = NonClientMetricsForDpi(dpi);
    return UniqueFont(::CreateFontIndirectW(&ncm.lfMessageFont));
}

SIZE WindowSizeForClient(HWND window, int clientWidth, int clientHeight, int dpi) {
    static const auto forDpi = GetProcAddressAs<AdjustWindowRectExForDpiFn>(
        ::GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi");
    const auto style = static_cast<DWORD>(::GetWindowLongW(window, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(::GetWindowLongW(window, GWL_EXSTYLE));
    RECT frame{0, 0, clientWidth, clientHeight};
    if (!forDpi || !forDpi(&frame, style, FALSE, exStyle, static_cast<UINT>(dpi))) {
        frame = RECT{0, 0, clientWidth, clientHeight};
        ::AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    }
    return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

}  // namespace orvane::win
