// Start-up of the main form: what runs once, and sampling that goes on under its dialogs.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <thread>

#include "app_form_fixture.h"
#include "dialogs_probe.h"

namespace orvane::win {
namespace {

using test::ProbedDialog;

class StartUp : public test::FormTest {};

TEST_F(StartUp, SamplingGoesOnWhileTheFirstTicksLowMemoryDialogIsOpen) {
    load = 95;
    int readsWhileOpen = 0;
    test::DialogProbe probe([&](const ProbedDialog& d) {
        // Fresh samples arrive while the dialog that the first tick opened is up.
        const int atOpen = reads;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (reads < atOpen + 3 && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        readsWhileOpen = reads - atOpen;
        test::Click(d.Find(L"关闭(&C)"));
    });
    Start(
        "ShowWelcomeWindow=0\r\nRefreshRate=50\r\nRedPercent=90\r\nWarnMsgBox=1\r\nWarn=0\r\n"
        "DefragOnHighMemory=0\r\nWriteLog=0\r\n");
    probe.Wait();
    ASSERT_TRUE(probe.found());
    EXPECT_TRUE(probe.dialog().HasText(L"您的计算机内存不足."));
    EXPECT_GE(readsWhileOpen, 3);
}

TEST_F(StartUp, TheFirstRunScreenOpensOncePerProcess) {
    Start("ShowWelcomeWindow=1\r\nRefreshRate=0\r\n");
    int screens = 0;
    {
        test::DialogProbe probe([&](const ProbedDialog& d) {
            ++screens;
            test::Click(d.Find(L"确定"));
        });
        FinishStartUp();
    }
    ASSERT_EQ(screens, 1);
    // Any program can post the start-up message again: it finds the start-up done. A screen
    // would open (and be closed by the probe) before the message returns.
    test::DialogProbe probe([&](const ProbedDialog& d) {
        ++screens;
        test::Click(d.Find(L"确定"));
    });
    ::SendMessageW(form->Handle(), MainWindow::WM_APPLOADED, 0, 0);
    probe.Stop();
    EXPECT_EQ(screens, 1);
}

}  // namespace
}  // namespace orvane::win
