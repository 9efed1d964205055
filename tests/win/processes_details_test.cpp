#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "dialogs_probe.h"
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
