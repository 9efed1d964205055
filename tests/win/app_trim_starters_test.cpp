#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <vector>

#include "app/win/Main.h"
#include "app/win/RunningCopy.h"
#include "dialogs_probe.h"
#include "hotkeys/core/HotKeyValue.h"
#include "processes/core/TrayMenuCommands.h"

namespace orvane::win {
namespace {

// Records the platform calls of trims instead of making them.
class RecordingTrimmer final : public WorkingSetTrimmer {
  public:
    HANDLE Open(DWORD pid) override {
        calls.push_back({'O', pid});
        return reinterpret_cast<HANDLE>(static_cast<INT_PTR>(pid) + 1);
    }
    void Trim(HANDLE h) override { calls.push_back({'T', PidOf(h)}); }
    void Close(HANDLE h) override { calls.push_back({'C', PidOf(h)}); }

    // The number of runs seen: every process of a run is opened, trimmed and closed in turn,
    // and a run visits a process once, so the count of opens of our own process is the count
    // of runs.
    int Runs() const {
        int runs = 0;
        for (size_t i = 0; i < calls.size(); ++i) {
            if (calls[i].kind == 'O' && calls[i].pid == ::GetCurrentProcessId()) {
                ++runs;
            }
        }
        return runs;
    }
    bool EveryProcessOpenedTrimmedClosed() const {
        if (calls.size() % 3 != 0) {
            return false;
        }
        for (size_t i = 0; i < calls.size(); i += 3) {
            if (calls[i].kind != 'O' || calls[i + 1].kind != 'T' || calls[i + 2].kind != 'C' ||
                calls[i + 1].pid != calls[i].pid || calls[i + 2].pid != calls[i].pid) {
                return false;
            }
        }
        return true;
    }

    struct Call {
        char kind;
        DWORD pid;
    };
    std::vector<Call> calls;

  private:
    static DWORD PidOf(HANDLE h) { return static_cast<DWORD>(reinterpret_cast<INT_PTR>(h) - 1); }
};

class TrimStarters : public ::testing::Test {
  protected:
    void SetUp() override {
        MainServices services;
        services.Trimmer = &trimmer;
        // A steady load, so a tick redraws only when the test clears the drawn text.
        services.ReadMemory = [this] {
            return MemorySnapshot{load, 8ull << 30, 4ull << 30, 16ull << 30, 8ull << 30};
        };
        form = std::make_unique<MainWindow>(services);
        ASSERT_TRUE(form->FormCreate());
        // Let start-up finish without its first-run screen.
        form->MemOptions.ShowWelcomeWindow = false;
        ProcessPendingMessages();
        trimmer.calls.clear();  // start-up trims only with periodic trimming on
    }

    // A tick that sees the load rise to RedPercent, with only the given actions on.
    void RiseToRed(bool defragOnHighMemory, bool warnMsgBox) {
        form->MemOptions.Warn = false;
        form->MemOptions.WriteLog = false;
        form->MemOptions.DefragOnHighMemory = defragOnHighMemory;
        form->MemOptions.WarnMsgBox = warnMsgBox;
        form->MemOptions.RedPercent = 90;
        load = 95;
        form->LastDrawText.clear();
        form->OnSampleTimer();
    }

    std::uint32_t load = 40;
    RecordingTrimmer trimmer;
    std::unique_ptr<MainWindow> form;
};

TEST_F(TrimStarters, MenuCommandRunsOnce) {
    ::SendMessageW(form->Handle(), WM_COMMAND, kCmdMemoryDefragmenter, 0);
    EXPECT_EQ(trimmer.Runs(), 1);
    EXPECT_TRUE(trimmer.EveryProcessOpenedTrimmedClosed());
}

// Another copy's `/trim`: its command number through the copies' message.
TEST_F(TrimStarters, RunningCopyTrimCommandRunsOnce) {
    EXPECT_EQ(::SendMessageW(form->Handle(), RunningCopyMessage(), 2, 0), kCommandAccepted);
    ProcessPendingMessages();
    EXPECT_EQ(trimmer.Runs(), 1);
    EXPECT_TRUE(trimmer.EveryProcessOpenedTrimmedClosed());
}

// Only the command numbers with lParam 0 are commands: nothing else is answered or run.
TEST_F(TrimStarters, NothingElseOnTheCopiesMessageRunsAnything) {
    const std::pair<WPARAM, LPARAM> others[] = {{0, 0}, {6, 0},  {kCmdMemoryDefragmenter, 0},
                                                {2, 1}, {2, -1}, {~WPARAM{0}, 0}};
    for (const auto& [wp, lp] : others) {
        EXPECT_EQ(::SendMessageW(form->Handle(), RunningCopyMessage(), wp, lp), 0) << wp << lp;
    }
    ProcessPendingMessages();
    EXPECT_EQ(trimmer.Runs(), 0);
    EXPECT_FALSE(form->ExitRequested());
}

// A copy that has an exit waiting says it does not stay when asked.
TEST_F(TrimStarters, StillRunningSeesAQueuedExit) {
    EXPECT_EQ(::SendMessageW(form->Handle(), RunningCopyMessage(), 5, 0), kCommandAccepted);
    ::PostMessageW(form->Handle(), WM_COMMAND, kCmdClose, 0);
    EXPECT_EQ(::SendMessageW(form->Handle(), RunningCopyMessage(), 5, 0), 0);
    EXPECT_TRUE(form->ExitRequested());
    MSG m;
    EXPECT_TRUE(::PeekMessageW(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

// A copy on its way out refuses commands, so that a new start takes over instead.
TEST_F(TrimStarters, ExitCommandEndsTheLoopAndLaterCommandsAreRefused) {
    EXPECT_EQ(::SendMessageW(form->Handle(), RunningCopyMessage(), 3, 0), kCommandAccepted);
    ProcessPendingMessages();
    EXPECT_TRUE(form->ExitRequested());
    EXPECT_EQ(::SendMessageW(form->Handle(), RunningCopyMessage(), 2, 0), 0);
    EXPECT_EQ(::SendMessageW(form->Handle(), RunningCopyMessage(), 1, 0), 0);
    EXPECT_EQ(::SendMessageW(form->Handle(), RunningCopyMessage(), 5, 0), 0);
    ProcessPendingMessages();
    EXPECT_EQ(trimmer.Runs(), 0);
    MSG m;
    EXPECT_TRUE(::PeekMessageW(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(TrimStarters, HotkeyPressRunsOnce) {
    constexpr std::uint32_t kCtrlAltF10 = kHotKeyCtrl | kHotKeyAlt | VK_F10;
    const std::uint16_t index = form->HotKeys().AddHotKey(kCtrlAltF10);
    ASSERT_NE(index, 0);
    ::SendMessageW(form->HotKeys().Handle(), WM_HOTKEY, index,
                   MAKELPARAM(MOD_CONTROL | MOD_ALT, VK_F10));
    EXPECT_EQ(trimmer.Runs(), 1);
    EXPECT_TRUE(trimmer.EveryProcessOpenedTrimmedClosed());
}

TEST_F(TrimStarters, TrimTimerRunsOnlyWithPeriodicTrimmingOn) {
    constexpr WPARAM kDefragTimer = 2;
    form->MemOptions.DefragEveryActive = false;
    ::SendMessageW(form->Handle(), WM_TIMER, kDefragTimer, 0);
    EXPECT_EQ(trimmer.Runs(), 0);
    form->MemOptions.DefragEveryActive = true;
    ::SendMessageW(form->Handle(), WM_TIMER, kDefragTimer, 0);
    EXPECT_EQ(trimmer.Runs(), 1);
    EXPECT_TRUE(trimmer.EveryProcessOpenedTrimmedClosed());
}

TEST_F(TrimStarters, HighMemoryStepRunsOnce) {
    RiseToRed(/*defragOnHighMemory=*/true, /*warnMsgBox=*/false);
    EXPECT_EQ(trimmer.Runs(), 1);
    EXPECT_TRUE(trimmer.EveryProcessOpenedTrimmedClosed());
}

TEST_F(TrimStarters, LowMemoryDialogsFirstButtonRunsOnce) {
    test::DialogProbe probe(
        [](const test::ProbedDialog& d) { test::Click(d.Find(L"整理内存(&D)")); });
    RiseToRed(/*defragOnHighMemory=*/false, /*warnMsgBox=*/true);
    probe.Wait();
    ASSERT_TRUE(probe.found());
    EXPECT_EQ(trimmer.Runs(), 1);
    EXPECT_TRUE(trimmer.EveryProcessOpenedTrimmedClosed());
}

TEST_F(TrimStarters, VisitsEveryListedProcessOnce) {
    ::SendMessageW(form->Handle(), WM_COMMAND, kCmdMemoryDefragmenter, 0);
    // Every trimmed process is a live one; none is visited twice.
    std::map<DWORD, int> visits;
    for (const auto& c : trimmer.calls) {
        if (c.kind == 'O') {
            ++visits[c.pid];
        }
    }
    ASSERT_FALSE(visits.empty());
    for (const auto& [pid, n] : visits) {
        EXPECT_EQ(n, 1) << pid;
        EXPECT_NE(pid, 0u);
    }
}

}  // namespace
}  // namespace orvane::win
