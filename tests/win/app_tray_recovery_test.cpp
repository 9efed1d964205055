// The tray icon comes back after the shell refused a call or restarted.
#include <gtest/gtest.h>
#include <windows.h>

#include "app_form_fixture.h"

namespace orvane::win {
namespace {

using Call = test::RecordingTrayShell::Call;

class TrayRecovery : public test::FormTest {
  protected:
    std::vector<Call> CallsAfter(size_t first) const {
        return {shell.calls.begin() + static_cast<std::ptrdiff_t>(first), shell.calls.end()};
    }
    // The calls of an add that brings back the current picture with its callbacks, as the
    // program's own add does.
    void ExpectReAdded(const std::vector<Call>& calls, HICON picture) const {
        ASSERT_EQ(calls.size(), 2u);
        EXPECT_EQ(calls[0].message, static_cast<DWORD>(NIM_ADD));
        EXPECT_EQ(calls[0].icon, picture);
        EXPECT_TRUE(calls[0].flags & NIF_ICON);
        EXPECT_TRUE(calls[0].flags & NIF_MESSAGE);
        EXPECT_EQ(calls[0].callbackMessage, TrayIcon::kCallbackMessage);
        EXPECT_EQ(calls[0].tip, L"Orvane");
        EXPECT_EQ(calls[1].message, static_cast<DWORD>(NIM_SETVERSION));
        EXPECT_EQ(calls[1].version, static_cast<UINT>(NOTIFYICON_VERSION_4));
    }
};

TEST_F(TrayRecovery, AFailedUpdateIsRepairedByTheNextTick) {
    Start();
    FinishStartUp();
    shell.FailNext(1);
    load = 41;
    Tick();  // the new picture is refused
    ASSERT_FALSE(shell.calls.back().succeeded);
    const HICON refused = shell.calls.back().icon;
    const size_t before = shell.calls.size();
    Tick();  // same picture: nothing to draw, but the icon is missing
    ExpectReAdded(CallsAfter(before), refused);
    // Later pictures are plain updates again.
    load = 42;
    Tick();
    EXPECT_EQ(shell.calls.back().message, static_cast<DWORD>(NIM_MODIFY));
    EXPECT_TRUE(shell.calls.back().succeeded);
    EXPECT_EQ(shell.calls.size(), before + 3);
}

TEST_F(TrayRecovery, ExitRemovesTheIconAfterAFailedUpdate) {
    Start();
    FinishStartUp();
    shell.FailNext(1);
    load = 41;
    Tick();
    form->OnCloseCommand();
    EXPECT_EQ(shell.calls.back().message, static_cast<DWORD>(NIM_DELETE));
}

TEST_F(TrayRecovery, AStartUpTheShellRefusedIsRepairedByTheTicks) {
    struct Case {
        const char* what;
        int failures;
        DWORD message;
    } cases[] = {
        {"no taskbar yet: the add and its fallback fail", 2, test::RecordingTrayShell::kAnyMessage},
        {"the add goes through, its version does not", 1, static_cast<DWORD>(NIM_SETVERSION)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Start();
        shell.FailNext(c.failures, c.message);
        FinishStartUp();
        const HICON picture = shell.calls.front().icon;  // the start-up add carries it
        const size_t before = shell.calls.size();
        Tick();
        ExpectReAdded(CallsAfter(before), picture);
        form.reset();
        shell.calls.clear();
    }
}

TEST_F(TrayRecovery, ANewTaskbarGetsTheIconBackWithItsPictureAndCallbacks) {
    Start();
    FinishStartUp();
    load = 41;
    Tick();
    const HICON picture = shell.ShownIcon();
    ASSERT_NE(picture, nullptr);
    const size_t before = shell.calls.size();
    const UINT taskbarCreated = ::RegisterWindowMessageW(L"TaskbarCreated");
    ::SendMessageW(form->Handle(), taskbarCreated, 0, 0);
    ExpectReAdded(CallsAfter(before), picture);
    // Also when the program runs elevated and the system would filter the broadcast out.
    EXPECT_EQ(shell.allowed,
              (std::vector<std::pair<HWND, UINT>>{{form->Handle(), taskbarCreated}}));
}

}  // namespace
}  // namespace orvane::win
