#include "common/win/Window.h"

namespace orvane::win {

Window::~Window() {
    DestroyOwnWindow();
}

bool Window::RegisterClassOnce(const wchar_t* className, HICON icon, HICON smallIcon) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    if (::GetClassInfoExW(instance, className, &existing)) {
        return true;
    }
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &Window::StaticWndProc;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hIconSm = smallIcon;
    wc.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    wc.lpszClassName = className;
    return ::RegisterClassExW(&wc) != 0;
}

HWND Window::CreateWindowFor(const wchar_t* className, const wchar_t* title, DWORD style,
                             DWORD exStyle, int x, int y, int w, int h, HWND parent) {
    return ::CreateWindowExW(exStyle, className, title, style, x, y, w, h, parent, nullptr,
                             ::GetModuleHandleW(nullptr), this);
}

void Window::DestroyOwnWindow() {
    if (hwnd_) {
        HWND h = hwnd_;
        ::DestroyWindow(h);  // WM_NCDESTROY clears hwnd_
        hwnd_ = nullptr;
    }
}

LRESULT Window::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    return ::DefWindowProcW(hwnd_, msg, wp, lp);
}

LRESULT CALLBACK Window::StaticWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Window* self = nullptr;
    if (msg == WM_NCCREATE) {
        const auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lp);
        self = static_cast<Window*>(cs->lpCreateParams);
        self->hwnd_ = hwnd;
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<Window*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self) {
        return ::DefWindowProcW(hwnd, msg, wp, lp);
    }
    if (msg == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        return ::DefWindowProcW(hwnd, msg, wp, lp);
    }
    return self->HandleMessage(msg, wp, lp);
}

void ProcessPendingMessages() {
    MSG m;
    while (::PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
        if (m.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(m.wParam));
            break;
        }
        ::TranslateMessage(&m);
        ::DispatchMessageW(&m);
    }
}

}  // namespace orvane::win
