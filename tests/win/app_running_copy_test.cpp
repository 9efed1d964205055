#include <gtest/gtest.h>
#include <windows.h>

#include "app/win/RunningCopy.h"
#include "app_form_fixture.h"

namespace orvane::test {
namespace {

using RunningCopyBalloon = FormTest;

// A second plain start: the running copy says it runs, with the information icon.
TEST_F(RunningCopyBalloon, SecondStartShowsTheRunningBalloon) {
    Start();
    FinishStartUp();
    shell.calls.clear();
    ASSERT_EQ(::SendMessageW(form->Handle(), win::RunningCopyMessage(), 1, 0),
              win::kCommandAccepted);
    FinishStartUp();
    std::vector<RecordingTrayShell::Call> balloons;
    for (const auto& call : shell.calls) {
        if (call.flags & NIF_INFO) {
            balloons.push_back(call);
        }
    }
    ASSERT_EQ(balloons.size(), 1u);
    EXPECT_EQ(balloons[0].message, static_cast<DWORD>(NIM_MODIFY));
    EXPECT_EQ(balloons[0].infoTitle, L"Orvane 正在运行");
    EXPECT_EQ(balloons[0].info,
              L"如果系统隐藏了该图标, 请按该图标旁边的 \"显示隐藏图标\" 按钮, 然后将 Orvane "
              L"图标拖回到托盘中.");
    EXPECT_EQ(balloons[0].infoFlags & NIIF_ICON_MASK, static_cast<DWORD>(NIIF_INFO));
}

}  // namespace
}  // namespace orvane::test
