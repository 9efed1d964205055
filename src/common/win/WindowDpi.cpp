#include "common/win/WindowDpi.h"

#include "common/win/Handles.h"
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

int SystemDpi() {
    const WindowDc screen(nullptr);
    const int dpi = screen.get() ? ::GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
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

SIZE WindowSizeForClient(SIZE client, DWORD style, DWORD exStyle, int dpi) {
    RECT r{0, 0, client.cx, client.cy};
    static const auto fn = User32Function<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
    if (!fn || !fn(&r, style, FALSE, exStyle, static_cast<UINT>(dpi))) {
        ::AdjustWindowRectEx(&r, style, FALSE, exStyle);
    }
    return {r.right - r.left, r.bottom - r.top};
}

HFONT CreateMessageFont(int dpi, bool bold) {
    NONCLIENTMETRICSW ncm{};
    ncm.cbSize = sizeof(ncm);
    static const auto fn =
        User32Function<SystemParametersInfoForDpiFn>("SystemParametersInfoForDpi");
    if (!fn || !fn(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0, static_cast<UINT>(dpi))) {
        ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0);
        ncm.lfMessageFont.lfHeight = ::MulDiv(ncm.lfMessageFont.lfHeight, dpi, SystemDpi());
    }
    if (bold) {
        ncm.lfMessageFont.lfWeight = FW_BOLD;
    }
    return ::CreateFontIndirectW(&ncm.lfMessageFont);
}

}  // namespace orvane::win
