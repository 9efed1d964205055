#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

namespace orvane::win {

// The main window's registration for the session events of its own session, released with
// this object (before the window is destroyed).
class SessionNotification {
  public:
    SessionNotification() = default;
    ~SessionNotification() { Unregister(); }
    SessionNotification(const SessionNotification&) = delete;
    SessionNotification& operator=(const SessionNotification&) = delete;

    bool Register(HWND window);
    void Unregister();
    bool Registered() const { return window_ != nullptr; }

  private:
    HWND window_ = nullptr;
};

using PauseFunction = std::function<void(std::uint32_t milliseconds)>;

// WM_WTSSESSION_CHANGE: on a lock, with the setting on, asks the system through `topLevel`'s
// default processing to switch the displays off, again and again with a pause after each.
// Every other event is ignored.
void OnSessionChange(HWND topLevel, WPARAM sessionEvent, bool switchOffMonitorOnLock,
                     const PauseFunction& pause = {});

}  // namespace orvane::win
