// The floor for the idle and start-up comparisons: the least a tray memory monitor can do. A
// hidden window reads the memory status on a 2-second timer and, when the load changed, draws
// the load as text into a small icon and hands it to the tray. WM_CLOSE ends it.
#include <windows.h>
#include <shellapi.h>

#include <cwchar>

namespace {

constexpr UINT_PTR kTimer = 1;
constexpr UINT kIconId = 1;

HICON g_icon = nullptr;
DWORD g_lastLoad = ~0u;
bool g_added = false;

HICON TextIcon(DWORD load) {
    const int size = ::GetSystemMetrics(SM_CXSMICON);
    const HDC screen = ::GetDC(nullptr);
    const HDC dc = ::CreateCompatibleDC(screen);
    const HBITMAP colour = ::CreateCompatibleBitmap(screen, size, size);
    const HBITMAP mask = ::CreateBitmap(size, size, 1, 1, nullptr);
    ::ReleaseDC(nullptr, screen);
    const HGDIOBJ old = ::SelectObject(dc, colour);
    RECT r{0, 0, size, size};
    ::FillRect(dc, &r, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    wchar_t text[8];
    std::swprintf(text, 8, L"%lu", static_cast<unsigned long>(load));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, RGB(255, 255, 255));
    ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));
    ::DrawTextW(dc, text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    ::SelectObject(dc, mask);
    ::PatBlt(dc, 0, 0, size, size, BLACKNESS);  // all opaque
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    ICONINFO info{TRUE, 0, 0, mask, colour};
    const HICON icon = ::CreateIconIndirect(&info);
    ::DeleteObject(colour);
    ::DeleteObject(mask);
    return icon;
}

void Tick(HWND window) {
    MEMORYSTATUSEX ms{};
    ms.dwLength = sizeof(ms);
    ::GlobalMemoryStatusEx(&ms);
    if (ms.dwMemoryLoad == g_lastLoad) {
        return;
    }
    g_lastLoad = ms.dwMemoryLoad;
    const HICON icon = TextIcon(ms.dwMemoryLoad);
    NOTIFYICONDATAW d{};
    d.cbSize = sizeof(d);
    d.hWnd = window;
    d.uID = kIconId;
    d.uFlags = NIF_ICON | NIF_TIP;
    d.hIcon = icon;
    std::wcscpy(d.szTip, L"bare tray");
    if (g_added) {
        ::Shell_NotifyIconW(NIM_MODIFY, &d);
    } else {
        g_added = ::Shell_NotifyIconW(NIM_ADD, &d) != FALSE;
    }
    if (g_icon) {
        ::DestroyIcon(g_icon);
    }
    g_icon = icon;
}

LRESULT CALLBACK WndProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_TIMER:
            Tick(window);
            return 0;
        case WM_CLOSE: {
            NOTIFYICONDATAW d{};
            d.cbSize = sizeof(d);
            d.hWnd = window;
            d.uID = kIconId;
            ::Shell_NotifyIconW(NIM_DELETE, &d);
            ::DestroyWindow(window);
            return 0;
        }
        case WM_DESTROY:
            ::PostQuitMessage(0);
            return 0;
        default:
            return ::DefWindowProcW(window, msg, wp, lp);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    ::SetProcessDPIAware();
    WNDCLASSW wc{};
    wc.lpfnWndProc = WndProc;
    wc.hInstance = instance;
    wc.lpszClassName = L"BareTrayBench";
    ::RegisterClassW(&wc);
    const HWND window = ::CreateWindowExW(WS_EX_TOOLWINDOW, wc.lpszClassName, L"bare tray", 0, 0, 0,
                                          0, 0, nullptr, nullptr, instance, nullptr);
    if (!window) {
        return 1;
    }
    ::SetTimer(window, kTimer, 2000, nullptr);
    Tick(window);
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::DispatchMessageW(&msg);
    }
    if (g_icon) {
        ::DestroyIcon(g_icon);
    }
    return 0;
}
