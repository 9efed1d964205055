#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "monitor/core/HighMemoryActions.h"
#include "monitor/core/HighMemoryLog.h"
#include "monitor/core/LowMemoryDialog.h"

namespace orvane {
namespace {

// Records the actions in the order they ran.
struct Recorder {
    std::vector<std::wstring> calls;
    bool dialogOpenSeen = false;
    bool* warningDialogOpen = nullptr;

    HighMemoryActions Actions() {
        return {
            [this] { calls.push_back(L"trim"); },
            [this](const std::wstring& title, const std::wstring& text) {
                calls.push_back(L"balloon " + title + L" " + text);
            },
            [this](const std::wstring&, const std::wstring&) {
                calls.push_back(L"dialog");
                dialogOpenSeen = *warningDialogOpen;
            },
            [this](const MemorySnapshot& s) {
                calls.push_back(L"log " + std::to_wstring(s.MemoryLoad));
            },
        };
    }
};

const std::wstring kTitle = L"您的计算机内存不足.";
const std::wstring kTrimmedText =
    L"Orvane 尝试恢复内存, 但如果内存仍然不足, 请保存文件后关闭或重新启动所有打开的程序";
const std::wstring kPlainText =
    L"要恢复足够的内存使程序正常运行, 请保存文件后关闭或重新启动所有打开的程序";

// The log line is written when the event happens: the dialog may stay open for minutes, and
// the session may end while it is.
TEST(HighMemoryActions, RunInOrderTrimBalloonLogDialog) {
    OrvaneOptions o;
    o.Warn = o.DefragOnHighMemory = o.WarnMsgBox = o.WriteLog = true;
    bool open = false;
    Recorder r;
    r.warningDialogOpen = &open;
    RunHighMemoryActions(o, MemorySnapshot{92, 0, 0, 0, 0}, open, r.Actions());
    EXPECT_EQ(r.calls,
              (std::vector<std::wstring>{L"trim", L"balloon " + kTitle + L" " + kTrimmedText,
                                         L"log 92", L"dialog"}));
    EXPECT_TRUE(r.dialogOpenSeen);
    EXPECT_FALSE(open);
}

TEST(HighMemoryActions, EachActionFollowsItsOption) {
    struct Case {
        bool warn, defrag, box, log, dialogAlreadyOpen;
        std::vector<std::wstring> expected;
    } cases[] = {
        // Default settings: trim, then the balloon saying memory was being recovered.
        {true, true, false, false, false, {L"trim", L"balloon " + kTitle + L" " + kTrimmedText}},
        {true, false, false, false, false, {L"balloon " + kTitle + L" " + kPlainText}},
        {false, false, true, false, false, {L"dialog"}},
        {false, false, true, true, true, {L"log 90"}},  // a second dialog stays out
        {false, false, false, false, false, {}},
    };
    for (const auto& c : cases) {
        OrvaneOptions o;
        o.Warn = c.warn;
        o.DefragOnHighMemory = c.defrag;
        o.WarnMsgBox = c.box;
        o.WriteLog = c.log;
        bool open = c.dialogAlreadyOpen;
        Recorder r;
        r.warningDialogOpen = &open;
        RunHighMemoryActions(o, MemorySnapshot{90, 0, 0, 0, 0}, open, r.Actions());
        EXPECT_EQ(r.calls, c.expected);
        EXPECT_EQ(open, c.dialogAlreadyOpen);
    }
}

TEST(HighMemoryActions, AnErrorInTheDialogStillClosesTheOpenFlagAndKeepsTheLogLine) {
    OrvaneOptions o;
    o.Warn = o.DefragOnHighMemory = false;
    o.WarnMsgBox = o.WriteLog = true;
    bool open = false;
    bool logged = false;
    HighMemoryActions a;
    a.ShowLowMemoryDialog = [](const std::wstring&, const std::wstring&) {
        throw std::runtime_error("boom");
    };
    a.AppendLogLine = [&logged](const MemorySnapshot&) { logged = true; };
    EXPECT_THROW(RunHighMemoryActions(o, {}, open, a), std::runtime_error);
    EXPECT_FALSE(open);
    EXPECT_TRUE(logged);
}

struct DialogRun {
    std::vector<std::wstring> calls;
    MessageBoxBuilder shown;
};

DialogRun RunDialog(OrvaneOptions& o, int result, bool tick) {
    DialogRun run;
    LowMemoryDialogActions a;
    a.ForceForeground = [&] { run.calls.push_back(L"foreground"); };
    a.Execute = [&](MessageBoxBuilder& box) {
        run.calls.push_back(L"execute");
        run.shown = box;
        if (tick) {
            *box.verificationCheckedRes_ = true;
        }
        return result;
    };
    a.TrimAllWorkingSets = [&] { run.calls.push_back(L"trim"); };
    a.LaunchTaskManager = [&] { run.calls.push_back(L"taskmgr"); };
    RunLowMemoryDialog(o, kTitle, kPlainText, a);
    return run;
}

TEST(LowMemoryDialog, TheBoxAsShown) {
    OrvaneOptions o;
    o.WarnMsgBox = true;
    const MessageBoxBuilder box = RunDialog(o, kLowMemoryCloseButton, false).shown;
    EXPECT_EQ(box.mainText_, kTitle);
    EXPECT_EQ(box.secondText_, kPlainText);
    EXPECT_EQ(box.icon_, kIconWarning);
    EXPECT_EQ(box.verificationText_, L"不再显示此警告");
    EXPECT_FALSE(box.verificationChecked_);
    ASSERT_EQ(box.customButtons_.size(), 3u);
    EXPECT_EQ(box.customButtons_[0].Caption, L"整理内存(&D)");
    EXPECT_EQ(box.customButtons_[1].Caption, L"任务管理器(&T)");
    EXPECT_EQ(box.customButtons_[2].Caption, L"关闭(&C)");
    for (const auto& b : box.customButtons_) {
        EXPECT_FALSE(b.Default);
        EXPECT_NE(b.ModalResult, kIdCancel) << "a dismissal must not look like a button";
    }
    EXPECT_EQ(box.flags_, 0x1008u) << "Escape and the close box dismiss it";
}

TEST(LowMemoryDialog, AnswersAndTheCheckBox) {
    struct Case {
        int result;
        bool defragOnHighMemory, tick;
        std::vector<std::wstring> expected;
    } cases[] = {
        {kLowMemoryDefragButton, false, false, {L"foreground", L"execute", L"trim"}},
        {kLowMemoryDefragButton, true, false, {L"foreground", L"execute"}},  // trimmed already
        {kLowMemoryTaskManagerButton, false, true, {L"foreground", L"execute", L"taskmgr"}},
        {kLowMemoryCloseButton, false, true, {L"foreground", L"execute"}},
        {kIdCancel, false, true, {L"foreground", L"execute"}},  // Escape or the close box
    };
    for (const auto& c : cases) {
        OrvaneOptions o;
        o.WarnMsgBox = true;
        o.DefragOnHighMemory = c.defragOnHighMemory;
        EXPECT_EQ(RunDialog(o, c.result, c.tick).calls, c.expected) << c.result;
        EXPECT_EQ(o.WarnMsgBox, !c.tick);
    }
}

TEST(HighMemoryLog, LineFromItsSixteenPieces) {
    const MemorySnapshot s{92, 16ull << 30, 4ull << 30, 24ull << 30, (24ull << 30) - 1536};
    EXPECT_EQ(HighMemoryLogLine(L"2026/12/9", L"22:30:40", s, NumberSeparators{}),
              L"2026/12/9 22:30:40: 内存使用: 92% | 物理内存: 12 GB/16 GB | "
              L"页面文件: 1.5 KB/24 GB");
    const MemorySnapshot half{7, 3ull << 29, 1ull << 29, 1ull << 30, 0};
    EXPECT_EQ(HighMemoryLogLine(L"09.12.2026", L"22:30:40", half, NumberSeparators{L",", L"."}),
              L"09.12.2026 22:30:40: 内存使用: 7% | 物理内存: 1024 MB/1,5 GB | "
              L"页面文件: 1024 MB/1024 MB");
}

TEST(HighMemoryLog, NoticeWhenNothingWasLogged) {
    const MessageBoxBuilder box = NoHighMemoryLogBox(90, L"C:\\data\\Orvane.log");
    EXPECT_EQ(box.mainText_, L"尚未记录到高内存值");
    EXPECT_EQ(box.secondText_, L"仅当内存超过 89% 的内存负载");
    EXPECT_EQ(box.icon_, kIconInformation);
    EXPECT_EQ(box.footerText_, L"日志文件将保存在 \"C:\\data\\Orvane.log\"");
    EXPECT_EQ(box.footerIcon_, kIconInformation);
    EXPECT_EQ(box.buttons_, 0u);
    EXPECT_TRUE(box.customButtons_.empty());
}

TEST(HighMemoryLog, FileErrorTexts) {
    const std::pair<unsigned long, const wchar_t*> cases[] = {
        {2, L"File not found"},     {3, L"Invalid filename"}, {206, L"Invalid filename"},
        {5, L"File access denied"}, {112, L"Disk full"},      {87, L"I/O error 87"},
    };
    for (const auto& [code, text] : cases) {
        EXPECT_EQ(InOutErrorMessage(code), text) << code;
    }
}

}  // namespace
}  // namespace orvane
