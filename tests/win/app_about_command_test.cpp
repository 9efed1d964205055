#include <gtest/gtest.h>
#include <windows.h>

#include "app_form_fixture.h"
#include "processes/core/TrayMenuCommands.h"

namespace orvane::test {
namespace {

using AboutCommand = FormTest;

// "关于(&A)" on the window already shown only brings it to the front: it stays where the user
// moved it.
TEST_F(AboutCommand, SecondClickKeepsTheShownWindowWhereItIs) {
    Start();
    FinishStartUp();
    ::SendMessageW(form->Handle(), WM_COMMAND, kCmdAbout, 0);
    ASSERT_TRUE(::IsWindowVisible(form->Handle()));
    RECT placed{};
    ::GetWindowRect(form->Handle(), &placed);
    ::SetWindowPos(form->Handle(), nullptr, placed.left - 200, placed.top - 150, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT moved{};
    ::GetWindowRect(form->Handle(), &moved);
    ASSERT_NE(moved.left, placed.left);

    ::SendMessageW(form->Handle(), WM_COMMAND, kCmdAbout, 0);
    RECT after{};
    ::GetWindowRect(form->Handle(), &after);
    EXPECT_EQ(after.left, moved.left);
    EXPECT_EQ(after.top, moved.top);
    EXPECT_TRUE(::IsWindowVisible(form->Handle()));

    // Hidden and shown again: placed next to the tray once more.
    ::SendMessageW(form->Handle(), WM_CLOSE, 0, 0);
    ASSERT_FALSE(::IsWindowVisible(form->Handle()));
    ::SendMessageW(form->Handle(), WM_COMMAND, kCmdAbout, 0);
    ::GetWindowRect(form->Handle(), &after);
    EXPECT_EQ(after.left, placed.left);
    EXPECT_EQ(after.top, placed.top);
}

}  // namespace
}  // namespace orvane::test
