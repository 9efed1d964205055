#include "app/win/TrayIcon.h"

#include <algorithm>
#include <cwchar>

namespace orvane::win {

namespace {

template <size_t N>
void CopyText(wchar_t (&dest)[N], const std::wstring& text) {
    const size_t n = std::min(text.size(), N - 1);
    std::wmemcpy(dest, text.c_str(), n);
    dest[n] = L'\0';
}

}  // namespace

TrayIcon::~TrayIcon() {
    SetVisible(false);
}

void TrayIcon::Attach(HWND owner) {
    owner_ = owner;
    taskbarCreated_ = ::RegisterWindowMessageW(L"TaskbarCreated");
    if (taskbarCreated_ != 0) {
        shell_.AllowMessage(owner_, taskbarCreated_);
    }
}

NOTIFYICONDATAW TrayIcon::BaseData(UINT flags) const {
    NOTIFYICONDATAW d{};
    d.cbSize = sizeof(d);
    d.hWnd = owner_;
    d.uID = kIconId;
    d.uFlags = flags;
    return d;
}

void TrayIcon::Modify(NOTIFYICONDATAW& d) {
    if (added_ && !shell_.NotifyIcon(NIM_MODIFY, d)) {
        added_ = false;  // the taskbar lost us (or is busy); the next tick adds the icon again
    }
}

void TrayIcon::SetTip(const std::wstring& tip) {
    tip_ = tip;
    NOTIFYICONDATAW d = BaseData(NIF_TIP | NIF_SHOWTIP);
    CopyText(d.szTip, tip_);
    Modify(d);
}

void TrayIcon::SetIcon(HICON icon) {
    icon_ = icon;
    NOTIFYICONDATAW d = BaseData(NIF_ICON);
    d.hIcon = icon_;
    Modify(d);
}

bool TrayIcon::Add() {
    NOTIFYICONDATAW d = BaseData(NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP);
    d.uCallbackMessage = kCallbackMessage;
    d.hIcon = icon_;
    CopyText(d.szTip, tip_);
    if (!shell_.NotifyIcon(NIM_ADD, d)) {
        // An entry that survived (a busy Explorer, a refused version) makes the add fail:
        // modify it instead.
        if (!shell_.NotifyIcon(NIM_MODIFY, d)) {
            return false;
        }
    }
    // Without the version the menu's callbacks would not come; a refusal is retried too.
    NOTIFYICONDATAW v = BaseData(0);
    v.uVersion = NOTIFYICON_VERSION_4;
    added_ = shell_.NotifyIcon(NIM_SETVERSION, v);
    return added_;
}

bool TrayIcon::SetVisible(bool visible) {
    const bool wasWanted = visible_;
    visible_ = visible;
    if (visible) {
        return added_ || Add();
    }
    // A refused update or add may still have left the icon in the tray: remove it all the same.
    if (wasWanted || added_) {
        NOTIFYICONDATAW d = BaseData(0);
        shell_.NotifyIcon(NIM_DELETE, d);
        added_ = false;
    }
    return true;
}

void TrayIcon::ShowBalloon(const std::wstring& title, const std::wstring& text, DWORD flags) {
    RetryIfMissing();
    if (!added_) {
        return;  // no icon, no balloon
    }
    NOTIFYICONDATAW d = BaseData(NIF_INFO);
    CopyText(d.szInfoTitle, title);
    CopyText(d.szInfo, text);
    d.dwInfoFlags = flags;
    d.uTimeout = 1000;
    Modify(d);
}

void TrayIcon::OnTaskbarCreated() {
    added_ = false;
    if (visible_) {
        Add();
    }
}

void TrayIcon::RetryIfMissing() {
    if (visible_ && !added_) {
        Add();
    }
}

}  // namespace orvane::win
