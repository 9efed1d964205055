#include "common/win/PlaceWindow.h"

#include <optional>

#include "common/core/Placement.h"

namespace orvane::win {

namespace {

Rect ToRect(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

}  // namespace

void PlaceNearNotificationArea(HWND window) {
    std::optional<Rect> taskbar;
    if (HWND bar = ::FindWindowW(L"Shell_TrayWnd", nullptr)) {
        RECT r{};
        if (::GetWindowRect(bar, &r)) {
            taskbar = ToRect(r);
        }
    }
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT own{};
    ::GetWindowRect(window, &own);
    const TaskbarEdge edge =
        FindTaskbarEdge(taskbar, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    const Point p = orvane::PlaceNearNotificationArea(edge, ToRect(work), own.right - own.left,
                                                      own.bottom - own.top);
    ::SetWindowPos(window, nullptr, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void KeepInsideWorkArea(HWND window) {
    RECT own{};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (!::GetWindowRect(window, &own) ||
        !::GetMonitorInfoW(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) {
        return;
    }
    const Point p = KeepInside(ToRect(own), ToRect(monitor.rcWork));
    if (p.x != own.left || p.y != own.top) {
        ::SetWindowPos(window, nullptr, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

}  // namespace orvane::win
