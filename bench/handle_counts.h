// Live GDI, USER and kernel handles of this process, for the leak checks of the benches and
// the soak test.
// GetGuiResources and GetProcessHandleCount count them on Windows; Wine only stubs them (0), so
// there every handle slot is probed instead: Wine accepts a handle without its generation word
// for any live object in that slot.
#pragma once

#include <windows.h>

struct HandleCounts {
    unsigned long gdi = 0;
    unsigned long user = 0;
    unsigned long kernel = 0;
    bool probed = false;
};

inline HandleCounts CountHandles() {
    HandleCounts c;
    const HANDLE self = ::GetCurrentProcess();
    c.gdi = ::GetGuiResources(self, GR_GDIOBJECTS);
    c.user = ::GetGuiResources(self, GR_USEROBJECTS);
    DWORD kernel = 0;
    ::GetProcessHandleCount(self, &kernel);
    c.kernel = kernel;
    if (c.gdi != 0 && c.user != 0 && c.kernel != 0) {
        return c;
    }
    c = HandleCounts{};
    c.probed = true;
    for (ULONG_PTR slot = 1; slot <= 0xFFFF; ++slot) {
        if (::GetObjectType(reinterpret_cast<HGDIOBJ>(slot)) != 0) {
            ++c.gdi;
        }
    }
    for (ULONG_PTR slot = 0x20; slot <= 0xFFFF; slot += 2) {
        const auto h = reinterpret_cast<HANDLE>(slot);
        ICONINFO info{};
        DWORD owner = 0;
        if (::IsWindow(static_cast<HWND>(h))) {
            // Window handles are shared by the desktop: count only this process's windows.
            ::GetWindowThreadProcessId(static_cast<HWND>(h), &owner);
            c.user += owner == ::GetCurrentProcessId() ? 1 : 0;
        } else if (::IsMenu(static_cast<HMENU>(h))) {
            ++c.user;
        } else if (::GetIconInfo(static_cast<HICON>(h), &info)) {
            ++c.user;
            ::DeleteObject(info.hbmColor);
            ::DeleteObject(info.hbmMask);
        }
    }
    for (ULONG_PTR slot = 4; slot <= 0x4000; slot += 4) {
        DWORD flags = 0;
        if (::GetHandleInformation(reinterpret_cast<HANDLE>(slot), &flags)) {
            ++c.kernel;
        }
    }
    return c;
}
