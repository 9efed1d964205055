#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

namespace orvane::win {

// The program's notification-area icon. Owns its presence in the tray: it is added when made
// visible, re-added after Explorer restarts, and removed when hidden or destroyed.
class TrayIcon {
  public:
    static constexpr UINT kCallbackMessage = WM_APP + 1;
    static constexpr UINT kIconId = 1;

    TrayIcon() = default;
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    void Attach(HWND owner) { owner_ = owner; }
    void SetTip(const std::wstring& tip);
    // The tray takes its own copy of the picture; the caller keeps ownership of `icon`.
    void SetIcon(HICON icon);
    bool SetVisible(bool visible);
    bool Visible() const { return visible_; }
    // Shows a balloon (flags: 1 information, 2 warning) and leaves it up until it times out.
    void ShowBalloon(const std::wstring& title, const std::wstring& text, DWORD flags);
    // Explorer restarted: the icon is gone from the new taskbar and has to be added again.
    void OnTaskbarCreated();
    // Retries an add that failed earlier (the taskbar may not have existed yet).
    void RetryIfMissing();

  private:
    NOTIFYICONDATAW BaseData(UINT flags) const;
    bool Add();

    HWND owner_ = nullptr;
    HICON icon_ = nullptr;  // borrowed; the owner keeps it alive while it is shown
    std::wstring tip_;
    bool visible_ = false;  // wanted by the program
    bool added_ = false;    // actually in the tray
};

}  // namespace orvane::win
