#pragma once

#include <windows.h>
#include <shellapi.h>

namespace orvane::win {

// The shell's side of the notification-area icon. The program uses the system's calls only;
// tests put in one that fails calls, as a busy or restarting Explorer does.
class TrayShell {
  public:
    virtual ~TrayShell() = default;
    // Shell_NotifyIconW; false when the shell refused or did not answer.
    virtual bool NotifyIcon(DWORD message, NOTIFYICONDATAW& data) = 0;
    // Lets the "a new taskbar exists" broadcast reach `owner` also when the program runs
    // elevated, where the system filters it out by default.
    virtual void AllowMessage(HWND owner, UINT message) = 0;
};

// The system's calls.
TrayShell& SystemTrayShell();

}  // namespace orvane::win
