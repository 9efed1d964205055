// A long run of the main form in one process: ticks with changing samples, tray menus and
// low-memory dialogs, after which the process holds exactly the objects it held before.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdio>

#include "app_form_fixture.h"
#include "dialogs_probe.h"
#include "handle_counts.h"  // the benches' object counts

namespace orvane::test {
namespace {

constexpr int kTicks = 100000;
constexpr int kMenus = 1000;
constexpr int kDialogs = 200;

// The system's tray for everything but the picture updates, of which it passes one in
// `kEvery`: under Wine each update is a round trip to the desktop process of some
// milliseconds, while what the tick itself makes and frees stays in this process.
class SampledTrayShell final : public win::TrayShell {
  public:
    static constexpr int kEvery = 100;
    bool NotifyIcon(DWORD message, NOTIFYICONDATAW& d) override {
        if (message == NIM_MODIFY && d.uFlags == NIF_ICON && ++updates_ % kEvery != 0) {
            return true;
        }
        return win::SystemTrayShell().NotifyIcon(message, d);
    }
    void AllowMessage(HWND owner, UINT message) override {
        win::SystemTrayShell().AllowMessage(owner, message);
    }

  private:
    int updates_ = 0;
};

WNDPROC formProc = nullptr;

// The form's window procedure with one addition: a tray menu closes as soon as it is up.
LRESULT CALLBACK CloseMenusWhenIdle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_ENTERIDLE && wp == MSGF_MENU) {
        ::EndMenu();
    }
    return ::CallWindowProcW(formProc, hwnd, msg, wp, lp);
}

// Runs on the test's thread inside the dialog's own message loop.
void CALLBACK CloseOwnDialog(HWND, UINT, UINT_PTR, DWORD) {
    if (HWND dialog = FindOwnDialog()) {
        ::PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
}

class Soak : public FormTest {};

TEST_F(Soak, HandleCountsStayTheSameAcrossALongRun) {
    SampledTrayShell tray;
    otherShell = &tray;
    std::uint32_t clock = 1;
    tickCount = [&clock] { return clock; };
    Start(
        "ShowWelcomeWindow=0\r\nRefreshRate=0\r\nRedPercent=90\r\nWarn=1\r\nWarnMsgBox=1\r\n"
        "DefragOnHighMemory=0\r\nWriteLog=1\r\n");
    FinishStartUp();
    formProc = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(
        form->Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CloseMenusWhenIdle)));

    int menus = 0;
    int dialogs = 0;
    // Loads run 1..100 and round again, so every tick draws a new picture and each round
    // rises through RedPercent; the high-memory step (balloon, dialog, log line) fires on the
    // rounds whose clock is five minutes past the last firing.
    auto tick = [&](int i) {
        load = static_cast<std::uint32_t>(i % 100) + 1;
        const bool fires = load == 90 && i / 100 % (kTicks / 100 / kDialogs) == 0;
        UINT_PTR closer = 0;
        if (fires) {
            clock += 300001;
            closer = ::SetTimer(nullptr, 0, 10, &CloseOwnDialog);
            ++dialogs;
        }
        Tick();
        if (closer) {
            ::KillTimer(nullptr, closer);
        }
        if (i % (kTicks / kMenus) == 0) {
            ::SendMessageW(form->Handle(), win::TrayIcon::kCallbackMessage, MAKEWPARAM(500, 400),
                           WM_CONTEXTMENU);
            ++menus;
        }
        if (i % 1000 == 0) {
            win::ProcessPendingMessages();
        }
    };
    // A first round fills the system's own caches (fonts, themes, the dialog classes).
    for (int i = 0; i < 100; ++i) {
        tick(i);
    }
    win::ProcessPendingMessages();
    menus = dialogs = 0;

    const auto start = std::chrono::steady_clock::now();
    const HandleCounts before = CountHandles();
    for (int i = 0; i < kTicks; ++i) {
        tick(i);
    }
    win::ProcessPendingMessages();
    const HandleCounts after = CountHandles();
    const auto seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    FILETIME created, ended, kernelTime, userTime;
    ::GetProcessTimes(::GetCurrentProcess(), &created, &ended, &kernelTime, &userTime);
    auto toSeconds = [](const FILETIME& t) {
        return static_cast<double>((ULONGLONG{t.dwHighDateTime} << 32) | t.dwLowDateTime) / 1e7;
    };
    const double cpuSeconds = toSeconds(kernelTime) + toSeconds(userTime);

    std::printf(
        "ticks=%d menus=%d dialogs=%d gdi=%lu->%lu user=%lu->%lu kernel=%lu->%lu (%s) "
        "%.0f s, process CPU %.0f s\n",
        kTicks, menus, dialogs, before.gdi, after.gdi, before.user, after.user, before.kernel,
        after.kernel, before.probed ? "slot probe" : "system counts", seconds, cpuSeconds);
    EXPECT_EQ(menus, kMenus);
    EXPECT_EQ(dialogs, kDialogs);
    EXPECT_EQ(after.gdi, before.gdi);
    EXPECT_EQ(after.user, before.user);
    EXPECT_EQ(after.kernel, before.kernel);
    ::SetWindowLongPtrW(form->Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(formProc));
    form.reset();  // before the tray shell and the clock it uses go
}

}  // namespace
}  // namespace orvane::test
