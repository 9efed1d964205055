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

NOTIFYICONDATAW TrayIcon::BaseData(UINT flags) const {
    NOTIFYICONDATAW d{};
    d.cbSize = sizeof(d);
    d.hWnd = owner_;
    d.uID = kIconId;
    d.uFlags = flags;
    return d;
}

void TrayIcon::SetTip(const std::wstring& tip) {
    tip_ = tip;
    if (added_) {
        NOTIFYICONDATAW d = BaseData(NIF_TIP | NIF_SHOWTIP);
        CopyText(d.szTip, tip_);
        ::Shell_NotifyIconW(NIM_MODIFY, &d);
    }
}

void TrayIcon::SetIcon(HICON icon) {
    icon_ = icon;
    if (added_) {
        NOTIFYICONDATAW d = BaseData(NIF_ICON);
        d.hIcon = icon_;
        if (!::Shell_NotifyIconW(NIM_MODIFY, &d)) {
            added_ = false;  // the taskbar lost us; the next retry adds the icon again
        }
    }
}

bool TrayIcon::Add() {
    NOTIFYICONDATAW d = BaseData(NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP);
    d.uCallbackMessage = kCallbackMessage;
    d.hIcon = icon_;
    CopyText(d.szTip, tip_);
    if (!::Shell_NotifyIconW(NIM_ADD, &d)) {
        // A stale entry from before an Explorer restart makes the add fail: modify instead.
        if (!::Shell_NotifyIconW(NIM_MODIFY, &d)) {
            return false;
        }
    }
    NOTIFYICONDATAW v = BaseData(0);
    v.uVersion = NOTIFYICON_VERSION_4;
    ::Shell_NotifyIconW(NIM_SETVERSION, &v);
    added_ = true;
    return true;
}

bool TrayIcon::SetVisible(bool visible) {
    visible_ = visible;
    if (visible && !added_) {
        return Add();
    }
    if (!visible && added_) {
        NOTIFYICONDATAW d = BaseData(0);
        ::Shell_NotifyIconW(NIM_DELETE, &d);
        added_ = false;
    }
    return true;
}

void TrayIcon::ShowBalloon(const std::wstring& title, const std::wstring& text, DWORD flags) {
    if (!added_) {
        return;  // no icon, no balloon
    }
    NOTIFYICONDATAW d = BaseData(NIF_INFO);
    CopyText(d.szInfoTitle, title);
    CopyText(d.szInfo, text);
    d.dwInfoFlags = flags;
    d.uTimeout = 1000;
    ::Shell_NotifyIconW(NIM_MODIFY, &d);
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
