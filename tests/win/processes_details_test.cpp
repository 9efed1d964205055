#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "dialogs_probe.h"
#include "common/win/Handles.h"
#include "processes/win/ProcessCreationTime.h"
#include "processes/win/ProcessDetailsDialog.h"
#include "processes_fixtures.h"

namespace orvane::win {
namespace {

using test::Click;
using test::DialogProbe;
using test::ProbedDialog;

MenuLine ChildLine(DWORD pid, bool merged = false) {
    MenuLine line;
    line.ProcessID = pid;
    line.Name = kChild;
    line.Path = ProcessImagePath(pid);
    const UniqueProcessHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid));
    line.CreationTime = ProcessCreationTime(process.get());
    line.Value = L"3 MB";
    line.bMultipleProcess = merged;
    return line;
}

std::wstring ClipboardText() {
    std::wstring text;
    if (::OpenClipboard(nullptr)) {
        if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
            text = static_cast<const wchar_t*>(::GlobalLock(data));
            ::GlobalUnlock(data);
        }
        ::CloseClipboard();
    }
    return text;
}

struct Shell {
    std::wstring url;
    std::wstring explorer;
    ProcessDetailsShell Seam() {
        return {[this](const std::wstring& u) { url = u; },
                [this](const std::wstring& p) { explorer = p; }};
    }
};

// Answers the dialog of `line` with `act` and returns what the probe read.
ProbedDialog Answer(const MenuLine& line, Shell& shell,
                    const std::function<void(const ProbedDialog&)>& act) {
    DialogProbe probe(act);
    GetAppInfo(line, false, nullptr, shell.Seam());
    probe.Wait();
    EXPECT_TRUE(probe.found());
    return probe.dialog();
}

TEST(ProcessDetailsDialog, SearchExplorerAndCopyGoWhereTheyShould) {
    Children children;
    const MenuLine line = ChildLine(children.Start(FixtureDir() + kChild));
    Shell shell;
    const ProbedDialog d =
        Answer(line, shell, [](const ProbedDialog& p) { Click(p.Find(L"在线搜索(&O)")); });
    EXPECT_EQ(d.title, L"进程信息");
    EXPECT_TRUE(d.HasText(std::wstring(kChild) + L" (3 MB)"));
    EXPECT_EQ(d.Buttons(),
              (std::vector<std::wstring>{L"在线搜索(&O)", L"复制详细信息(&D)", L"打开文件路径(&P)",
                                         L"可用内存(&M)", L"终止进程(&K)", L"取消(&C)"}));
    EXPECT_EQ(shell.url,
              L"https://www.bing.com/search?q=processes_ver_two_translations.exe%20"
              L"First%20description");

    Answer(line, shell, [](const ProbedDialog& p) { Click(p.Find(L"打开文件路径(&P)")); });
    EXPECT_EQ(shell.explorer, L"/select, \"" + line.Path + L"\"");

    Answer(line, shell, [](const ProbedDialog& p) { Click(p.Find(L"复制详细信息(&D)")); });
    EXPECT_EQ(ClipboardText(),
              L"名称: First description\r\n公司: First Co\r\n版本: 1.2.3.4\r\n"
              L"版权: (c) First\r\n内部名称: first\r\n文件路径: " +
                  line.Path + L"\r\n");
    EXPECT_TRUE(children.Alive(0));
}

TEST(ProcessDetailsDialog, DismissalsDoNothing) {
    Children children;
    const MenuLine line = ChildLine(children.Start(FixtureDir() + kChild));
    Shell shell;
    ::OpenClipboard(nullptr);
    ::EmptyClipboard();
    ::CloseClipboard();
    // (Wine's own task dialog ends on Escape only with a Cancel button: the close box it is.)
    Answer(line, shell, [](const ProbedDialog& p) { test::PressCloseBox(p); });
    Answer(line, shell, [](const ProbedDialog& p) { Click(p.Find(L"取消(&C)")); });
    EXPECT_EQ(ClipboardText(), L"");
    EXPECT_TRUE(shell.url.empty());
    EXPECT_TRUE(shell.explorer.empty());
    EXPECT_TRUE(children.Alive(0));
}

// The system as the line actions see it: a fresh snapshot, and per ID what a handle opened now
// shows. Records which processes were trimmed and terminated.
struct RecordingSystem final : LineProcessSystem {
    std::vector<ProcessRecord> snapshot;
    std::map<DWORD, std::uint64_t> startedNow;  // IDs that open, and their start time now
    std::vector<DWORD> trimmed;
    std::vector<DWORD> terminated;
    int open = 0;

    std::vector<ProcessRecord> Snapshot(bool) override { return snapshot; }
    HANDLE Open(DWORD id) override {
        if (!startedNow.contains(id)) {
            return nullptr;
        }
        ++open;
        return reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(id));
    }
    std::uint64_t CreationTime(HANDLE h) override { return startedNow.at(Id(h)); }
    void Trim(HANDLE h) override { trimmed.push_back(Id(h)); }
    void Terminate(HANDLE h) override { terminated.push_back(Id(h)); }
    void Close(HANDLE) override { --open; }
    static DWORD Id(HANDLE h) { return static_cast<DWORD>(reinterpret_cast<std::uintptr_t>(h)); }
};

ProcessRecord Record(DWORD id, const std::wstring& path, std::uint64_t started) {
    ProcessRecord r;
    r.ProcessID = id;
    r.Name = L"tool.exe";
    r.ExeName = path;
    r.CreationTime = started;
    return r;
}

TEST(LineProcessActions, ReachTheProcessWithTheLinesIdAndStartTimeOnly) {
    const std::wstring path = L"C:\\Program Files\\Tool\\tool.exe";
    struct Case {
        const char* what;
        ProcessRecord now;         // ID 40 in the fresh snapshot
        std::uint64_t startedNow;  // what the handle opened under ID 40 shows
        bool reached;
    };
    const Case cases[] = {
        {"same process", Record(40, path, 1000), 1000, true},
        {"ID taken over by another program", Record(40, L"C:\\game.exe", 2000), 2000, false},
        {"ID taken over by another copy of the program", Record(40, path, 2000), 2000, false},
        {"taken over between snapshot and open", Record(40, path, 1000), 2000, false},
        {"path unreadable now", Record(40, L"", 1000), 1000, true},
        {"path spelled differently", Record(40, L"C:\\PROGRA~1\\Tool\\TOOL.EXE", 1000), 1000, true},
    };
    for (const Case& c : cases) {
        MenuLine line;
        line.ProcessID = 40;
        line.CreationTime = 1000;
        line.Name = L"tool.exe";
        line.Path = path;
        RecordingSystem system;
        system.snapshot = {c.now};
        system.startedNow[40] = c.startedNow;
        FreeLineMemory(line, false, system);
        TerminateLineProcesses(line, false, system);
        const std::vector<DWORD> expected =
            c.reached ? std::vector<DWORD>{40} : std::vector<DWORD>{};
        EXPECT_EQ(system.trimmed, expected) << c.what;
        EXPECT_EQ(system.terminated, expected) << c.what;
        EXPECT_EQ(system.open, 0) << c.what;
    }
}

TEST(LineProcessActions, AMergedLineReachesEachProcessOfItsPathThatStillRuns) {
    const std::wstring path = L"C:\\tool.exe";
    MenuLine line;
    line.ProcessID = 40;
    line.CreationTime = 1000;
    line.Name = L"tool.exe";
    line.Path = path;
    line.bMultipleProcess = true;
    RecordingSystem system;
    system.snapshot = {Record(40, path, 1000), Record(41, path, 1041), Record(42, path, 1042),
                       Record(43, L"C:\\other.exe", 1043), Record(44, path, 1044)};
    system.startedNow = {{40, 1000}, {41, 1041}, {42, 5000}, {43, 1043}};  // 42 passed on, 44 ended
    TerminateLineProcesses(line, false, system);
    EXPECT_EQ(system.terminated, (std::vector<DWORD>{40, 41}));
    EXPECT_EQ(system.open, 0);
}

TEST(ProcessDetailsDialog, TerminateReachesOnlyTheLinesProgram) {
    Children children;
    const DWORD first = children.Start(FixtureDir() + kChild);
    const DWORD other = children.Start(FixtureDir() + L"processes_ver_no_translation.exe");

    // The line's ID now belongs to another program: nothing ends.
    MenuLine stale = ChildLine(first);
    stale.ProcessID = other;
    TerminateLineProcesses(stale, false);
    FreeLineMemory(stale, false);
    EXPECT_TRUE(children.Alive(0));
    EXPECT_TRUE(children.Alive(1));

    // A merged line reaches every process of its path, also one started after the menu.
    const MenuLine merged = ChildLine(first, true);
    children.Start(FixtureDir() + kChild);
    TerminateLineProcesses(merged, false);
    for (size_t i : {0u, 2u}) {
        EXPECT_EQ(::WaitForSingleObject(children.procs[i].hProcess, kChildDeadlineMs),
                  WAIT_OBJECT_0)
            << i;
    }
    EXPECT_TRUE(children.Alive(1));

    // A single line ends its own process through the dialog.
    Shell shell;
    Answer(ChildLine(other), shell, [](const ProbedDialog& p) { Click(p.Find(L"终止进程(&K)")); });
    EXPECT_EQ(::WaitForSingleObject(children.procs[1].hProcess, kChildDeadlineMs), WAIT_OBJECT_0);
}

}  // namespace
}  // namespace orvane::win
