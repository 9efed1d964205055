#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "app/win/TrayShell.h"

namespace orvane::win {

// The program's notification-area icon. Owns its presence in the tray: it is added when made
// visible, re-added after Explorer restarts, and removed when hidden or destroyed.
class TrayIcon {
  public:
    static constexpr UINT kCallbackMessage = WM_APP + 1;
    static constexpr UINT kIconId = 1;

    explicit TrayIcon(TrayShell& shell = SystemTrayShell()) : shell_(shell) {}
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // The window that hears the icon's callbacks and the taskbar's "TaskbarCreated".
    void Attach(HWND owner);
    void SetTip(const std::wstring& tip);
    // The tray takes its own copy of the picture; the caller keeps ownership of `icon`.
    void SetIcon(HICON icon);
    bool SetVisible(bool visible);
    // Shows a balloon (flags: 1 information, 2 warning) and leaves it up until it times out.
    void ShowBalloon(const std::wstring& title, const std::wstring& text, DWORD flags);
    // Whether `msg` is the broadcast of a new taskbar (Explorer restarted).
    bool IsTaskbarCreated(UINT msg) const { return msg == taskbarCreated_ && msg != 0; }
    // Explorer restarted: the icon is gone from the new taskbar and has to be added again.
    void OnTaskbarCreated();
    // Adds the icon again when it is wanted but missing: a refused add or update (the taskbar
    // did not exist yet, or was busy). Called at every tick.
    void RetryIfMissing();

  private:
    NOTIFYICONDATAW BaseData(UINT flags) const;
    bool Add();
    // An update of an icon in the tray; a refusal marks the icon missing.
    void Modify(NOTIFYICONDATAW& d);

    TrayShell& shell_;
    HWND owner_ = nullptr;
    HICON icon_ = nullptr;  // borrowed; the owner keeps it alive while it is shown
    std::wstring tip_;
    bool visible_ = false;  // wanted by the program
    bool added_ = false;    // in the tray as far as the shell last told
    UINT taskbarCreated_ = 0;
};

}  // namespace orvane::win
