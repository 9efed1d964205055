#include "session/win/SessionLock.h"

#include <wtsapi32.h>

#include "session/core/MonitorPower.h"

namespace orvane::win {

namespace {
constexpr LPARAM kDisplayOff = 2;
}

bool SessionNotification::Register(HWND window) {
    Unregister();
    if (!::WTSRegisterSessionNotification(window, NOTIFY_FOR_THIS_SESSION)) {
        return false;
    }
    window_ = window;
    return true;
}

void SessionNotification::Unregister() {
    if (window_) {
        ::WTSUnRegisterSessionNotification(window_);
        window_ = nullptr;
    }
}

void OnSessionChange(HWND topLevel, WPARAM sessionEvent, bool switchOffMonitorOnLock,
                     const PauseFunction& pause) {
    if (!SwitchesDisplaysOff(sessionEvent, switchOffMonitorOnLock)) {
        return;
    }
    for (int i = 0; i < kMonitorOffRequests; ++i) {
        ::SendMessageW(topLevel, WM_SYSCOMMAND, SC_MONITORPOWER, kDisplayOff);
        if (pause) {
            pause(kMonitorOffPauseMs);
        } else {
            ::Sleep(kMonitorOffPauseMs);
        }
    }
}

}  // namespace orvane::win
