#include "common/win/WindowDpi.h"

#include "common/win/MonitorDpi.h"

namespace orvane::win {

namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using SystemParametersInfoForDpiFn = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);

template <typename Fn>
Fn User32Function(const char* name) {
    return GetProcAddressAs<Fn>(::GetModuleHandleW(L"user32.dll"), name);
}

}  // namespace

int GetWindowDpi(HWND window) {
    static const auto fn = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
    if (fn && window) {
        if (const UINT dpi = fn(window); dpi > 0) {
            return static_cast<int>(dpi);
        }
    }
    return GetMonitorDpi(window);
}

NONCLIENTMETRICSW NonClientMetricsForDpi(int dpi) {
    NONCLIENTMETRICSW ncm{};
    ncm.cbSize = sizeof(ncm);
    static const auto forDpi =
        User32Function<SystemParametersInfoForDpiFn>("SystemParametersInfoForDpi");
    if (forDpi && forDpi(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0, static_cast<UINT>(dpi))) {
        return ncm;
    }
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0);
    const WindowDc screen(nullptr);
    const int systemDpi = screen.get() ? ::GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
    if (systemDpi > 0 && systemDpi != dpi) {
        for (LOGFONTW* font : {&ncm.lfCaptionFont, &ncm.lfSmCaptionFont, &ncm.lfMenuFont,
                               &ncm.lfStatusFont, &ncm.lfMessageFont}) {
            font->lfHeight = ::MulDiv(font->lfHeight, dpi, systemDpi);
        }
        ncm.iCaptionHeight = ::MulDiv(ncm.iCaptionHeight, dpi, systemDpi);
        ncm.iCaptionWidth = ::MulDiv(ncm.iCaptionWidth, dpi, systemDpi);
    }
    return ncm;
}

UniqueFont CreateMessageFont(int dpi, bool bold) {
    NONCLIENTMETRICSW ncm = NonClientMetricsForDpi(dpi);
    if (bold) {
        ncm.lfMessageFont.lfWeight = FW_BOLD;
    }
    return UniqueFont(::CreateFontIndirectW(&ncm.lfMessageFont));
}

SIZE WindowSizeForClient(SIZE client, DWORD style, DWORD exStyle, int dpi) {
    RECT r{0, 0, client.cx, client.cy};
    static const auto fn = User32Function<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
    if (!fn || !fn(&r, style, FALSE, exStyle, static_cast<UINT>(dpi))) {
        r = RECT{0, 0, client.cx, client.cy};
        ::AdjustWindowRectEx(&r, style, FALSE, exStyle);
    }
    return {r.right - r.left, r.bottom - r.top};
}

SIZE WindowSizeForClient(HWND window, SIZE client, int dpi) {
    return WindowSizeForClient(client, static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_STYLE)),
                               static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_EXSTYLE)), dpi);
}

}  // namespace orvane::win
