#include "common/win/MonitorDpi.h"

#include "common/win/Handles.h"

namespace orvane::win {

namespace {

using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);

constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI

GetDpiForMonitorFn DpiForMonitor() {
    // shcore.dll stays loaded for the program's life once found.
    static const UniqueModule shcore = LoadSystemLibrary(L"shcore.dll");
    static const auto fn = GetProcAddressAs<GetDpiForMonitorFn>(shcore.get(), "GetDpiForMonitor");
    return fn;
}

int ScreenDpi() {
    const WindowDc screen(nullptr);
    const int dpi = screen.get() ? ::GetDeviceCaps(screen.get(), LOGPIXELSX) : 0;
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

}  // namespace

int GetMonitorDpi(HWND window) {
    if (const auto fn = DpiForMonitor()) {
        UINT x = 0;
        UINT y = 0;
        const HMONITOR monitor = ::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
        if (SUCCEEDED(fn(monitor, kEffectiveDpi, &x, &y)) && x > 0) {
            return static_cast<int>(x);
        }
    }
    return ScreenDpi();
}

int SmallIconSizeForDpi(int dpi) {
    static const auto fn = GetProcAddressAs<GetSystemMetricsForDpiFn>(
        ::GetModuleHandleW(L"user32.dll"), "GetSystemMetricsForDpi");
    if (fn) {
        const int size = fn(SM_CXSMICON, static_cast<UINT>(dpi));
        if (size > 0) {
            return size;
        }
    }
    return ::GetSystemMetrics(SM_CXSMICON);
}

}  // namespace orvane::win
