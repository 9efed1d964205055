#include <gtest/gtest.h>

#include <windows.h>

#include "app/win/Main.h"
#include "dialogs_probe.h"
#include "processes/win/WindowsShortcuts.h"

namespace orvane::win {
namespace {

using test::DialogProbe;
using test::ProbedDialog;

TEST(WindowsShortcuts, RunDialogNamesTheProgramAndReturnsWhenClosed) {
    DialogProbe probe([](const ProbedDialog& d) { test::Click(d.FindId(IDCANCEL)); });
    ShowWindowsRunDialog(L"Orvane", nullptr, nullptr);
    probe.Wait();
    ASSERT_TRUE(probe.found());
    EXPECT_EQ(probe.dialog().title, L"Run");
    EXPECT_TRUE(probe.dialog().HasText(
        L"键入程序, 文件夹, 文档或网络资源的名称, 然后 Orvane 将为您打开它."));
}

bool UnderWine() {
    return ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

TEST(WindowsShortcuts, ARefusedShutdownDialogIsReportedByTheDefaultHandler) {
    if (!UnderWine()) {
        GTEST_SKIP() << "the shell shows its shut-down dialog here";
    }
    MainWindow form;
    ASSERT_TRUE(form.FormCreate());
    form.MemOptions.ShowWelcomeWindow = false;
    ProcessPendingMessages();  // start-up finishes without its first-run screen
    form.MemOptions.DoubleClickAction = 6;
    DialogProbe probe([](const ProbedDialog& d) { test::Click(d.FindId(IDOK)); });
    // Wine's shell lacks ShutdownWindows: the call fails and says so.
    ::SendMessageW(form.Handle(), TrayIcon::kCallbackMessage, 0, MAKELPARAM(WM_LBUTTONDBLCLK, 0));
    probe.Wait();
    ASSERT_TRUE(probe.found());
    EXPECT_EQ(probe.dialog().title, L"Orvane");
    EXPECT_TRUE(probe.dialog().HasText(L"COM error 0x80020009."));
}

}  // namespace
}  // namespace orvane::win
