#include "app/win/AboutControls.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "app/core/AboutLayout.h"
#include "app/win/Resource.h"
#include "common/core/DpiScale.h"
#include "common/win/CommonControls.h"
#include "common/win/WindowDpi.h"
#include "update/core/UpdateLabel.h"

namespace orvane::win {

namespace {

TextSize Measure(HDC dc, const std::wstring& text) {
    RECT r{0, 0, 0, 0};
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
                DT_CALCRECT | DT_SINGLELINE | DT_NOCLIP);
    return {r.right - r.left, r.bottom - r.top};
}

std::wstring TextOf(HWND control) {
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(::GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

void Place(HWND control, const Rect& r) {
    ::SetWindowPos(control, nullptr, r.left, r.top, r.Width(), r.Height(),
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void AboutControls::Create(HWND form) {
    form_ = form;
    CommonControls();  // the link control's class
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    auto make = [&](const wchar_t* cls, const wchar_t* text, DWORD style, int id) {
        return ::CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, form,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                                 nullptr);
    };
    icon_ = make(L"STATIC", nullptr, SS_ICON | SS_REALSIZECONTROL, IDC_ABOUT_ICON);
    name_ = make(L"STATIC", L"Orvane - 托盘内存监视器", SS_LEFT | SS_NOPREFIX, IDC_ABOUT_NAME);
    version_ = make(L"STATIC", L"版本      ", SS_LEFT | SS_NOPREFIX, IDC_ABOUT_VERSION);
    rights_ =
        make(L"STATIC", L"© 2026 Velmoria. 保留所有权利.", SS_LEFT | SS_NOPREFIX, IDC_ABOUT_RIGHTS);
    download_ = make(WC_LINK, L"", WS_TABSTOP, IDC_ABOUT_DOWNLOAD);
    button_ = make(L"BUTTON", L"确定(&O)", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK);
}

void AboutControls::Layout(int dpi) {
    font_ = CreateMessageFont(dpi);
    const int iconSize = ScaleByDpi(32, dpi);
    iconPicture_.reset(
        static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_ORVANE),
                                        IMAGE_ICON, iconSize, iconSize, 0)));
    ::SendMessageW(icon_, STM_SETICON, reinterpret_cast<WPARAM>(iconPicture_.get()), 0);

    AboutTexts texts;
    {
        const WindowDc dc(form_);
        const SelectObjectGuard select(dc.get(), font_.get());
        texts.Name = Measure(dc.get(), TextOf(name_));
        // The version line is measured with the widest version it may show.
        texts.Version = Measure(dc.get(), L"版本      65535.6553565535 SR65535");
        texts.Version.cx = std::max(texts.Version.cx, Measure(dc.get(), TextOf(version_)).cx);
        texts.Rights = Measure(dc.get(), TextOf(rights_));
        for (const auto& caption : UpdateLabel::DisplayTexts()) {
            const TextSize size = Measure(dc.get(), caption);
            texts.Update = {std::max(texts.Update.cx, size.cx), std::max(texts.Update.cy, size.cy)};
        }
        texts.Button = Measure(dc.get(), TextOf(button_));
    }
    const AboutLayout l = LayoutAbout(texts, iconSize, dpi);
    for (HWND c : {name_, version_, rights_, download_, button_}) {
        ::SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    }
    Place(icon_, l.Icon);
    Place(name_, l.Name);
    Place(version_, l.Version);
    Place(rights_, l.Rights);
    Place(download_, l.Update);
    Place(button_, l.Button);

    const SIZE frame = WindowSizeForClient(form_, SIZE{l.ClientWidth, l.ClientHeight}, dpi);
    ::SetWindowPos(form_, nullptr, 0, 0, frame.cx, frame.cy,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::InvalidateRect(form_, nullptr, TRUE);
}

}  // namespace orvane::win
