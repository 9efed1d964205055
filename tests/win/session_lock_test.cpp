#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "app/win/Main.h"

namespace orvane::win {
namespace {

// Counts the display-off requests that reach the main form's window.
WNDPROC g_formProc = nullptr;
int g_requests = 0;

LRESULT CALLBACK CountingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_SYSCOMMAND && (wp & 0xFFF0) == SC_MONITORPOWER && lp == 2) {
        ++g_requests;
    }
    return ::CallWindowProcW(g_formProc, hwnd, msg, wp, lp);
}

TEST(SessionLock, OnlyALockWithTheSettingOnSwitchesTheDisplaysOff) {
    struct Case {
        WPARAM event;
        bool setting;
        int requests;
    } cases[] = {{7, true, 17}, {8, true, 0}, {7, false, 0}, {1, true, 0}};
    std::vector<std::uint32_t> pauses;
    MainServices services;
    services.Pause = [&](std::uint32_t ms) { pauses.push_back(ms); };
    MainWindow form(services);
    ASSERT_TRUE(form.FormCreate());
    g_formProc = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(
        form.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingProc)));
    for (const auto& c : cases) {
        form.MemOptions.SwitchOffMonitorOnLock = c.setting;
        g_requests = 0;
        pauses.clear();
        ::SendMessageW(form.Handle(), WM_WTSSESSION_CHANGE, c.event, 1);
        EXPECT_EQ(g_requests, c.requests) << c.event << c.setting;
        EXPECT_EQ(pauses, std::vector<std::uint32_t>(c.requests, 400u));
    }
    ::SetWindowLongPtrW(form.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_formProc));
}

TEST(SessionLock, RegistrationLastsUntilReleased) {
    MainWindow form;
    ASSERT_TRUE(form.FormCreate());
    SessionNotification notification;
    EXPECT_TRUE(notification.Register(form.Handle()));
    EXPECT_TRUE(notification.Registered());
    notification.Unregister();
    EXPECT_FALSE(notification.Registered());
}

}  // namespace
}  // namespace orvane::win
