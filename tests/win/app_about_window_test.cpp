#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "app/win/AboutControls.h"
#include "app/win/Resource.h"
#include "update/core/UpdateLabel.h"

namespace orvane::win {
namespace {

SIZE TextExtent(HWND control, const std::wstring& text) {
    HDC dc = ::GetDC(control);
    const HGDIOBJ old =
        ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(::SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT r{0, 0, 0, 0};
    ::DrawTextW(dc, text.c_str(), -1, &r, DT_CALCRECT | DT_SINGLELINE);
    ::SelectObject(dc, old);
    ::ReleaseDC(control, dc);
    return {r.right - r.left, r.bottom - r.top};
}

TEST(AboutControls, EveryTextFitsItsControlAtEachDpi) {
    HWND form = ::CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"about", WS_CAPTION | WS_SYSMENU, 0,
                                  0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(form);
    AboutControls about;
    about.Create(form);
    int previousHeight = 0;
    for (int dpi : {96, 120, 144}) {
        SCOPED_TRACE(dpi);
        about.Layout(dpi);
        struct Line {
            int id;
            std::wstring text;
        } lines[] = {{IDC_ABOUT_NAME, L"Orvane - 托盘内存监视器"},
                     {IDC_ABOUT_VERSION, L"版本      4.21 SR3"},
                     {IDC_ABOUT_RIGHTS, L"© 2026 Velmoria. 保留所有权利."},
                     {IDOK, L"确定(O)"}};
        for (const auto& line : lines) {
            HWND c = ::GetDlgItem(form, line.id);
            RECT r;
            ::GetClientRect(c, &r);
            const SIZE need = TextExtent(c, line.text);
            EXPECT_GE(r.right, need.cx) << line.id;
            EXPECT_GE(r.bottom, need.cy) << line.id;
        }
        HWND link = about.DownloadLink();
        ASSERT_TRUE(link);
        RECT r;
        ::GetClientRect(link, &r);
        for (const auto& caption : UpdateLabel::DisplayTexts()) {
            const SIZE need = TextExtent(link, caption);
            EXPECT_GE(r.right, need.cx) << caption;
            EXPECT_GE(r.bottom, need.cy) << caption;
        }
        // The form's client area holds every control.
        RECT client;
        ::GetClientRect(form, &client);
        for (int id : {IDC_ABOUT_ICON, IDC_ABOUT_NAME, IDC_ABOUT_DOWNLOAD, IDOK}) {
            RECT c;
            ::GetWindowRect(::GetDlgItem(form, id), &c);
            ::MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&c), 2);
            EXPECT_LE(c.right, client.right) << id;
            EXPECT_LE(c.bottom, client.bottom) << id;
        }
        EXPECT_GT(client.bottom, previousHeight);  // it grows with the DPI
        previousHeight = client.bottom;
    }
    ::DestroyWindow(form);
}

}  // namespace
}  // namespace orvane::win
