#include <gtest/gtest.h>

#include <windows.h>

#include "dialogs/win/TaskDialogEmulation.h"
#include "dialogs_probe.h"

namespace orvane {
namespace {

using test::Click;
using test::DialogProbe;
using test::ProbedDialog;

class TaskDialogEmulation : public ::testing::TestWithParam<bool> {
  protected:
    bool NonNative() const { return GetParam(); }
};

TEST_P(TaskDialogEmulation, InfoMessageShowsTheIconWordAndOk) {
    DialogProbe probe([](const ProbedDialog& d) { Click(d.FindId(IDOK)); });
    TaskDialogBox dialog;
    dialog.Content = L"需要 Windows 7 或更高版本";
    const int result = dialog.Execute(kButtonOk, 0, FlagBit(tfAllowDialogCancellation),
                                      tiInformation, tfiBlank, 0, 0, nullptr, NonNative());
    probe.Wait();
    ASSERT_TRUE(probe.found());
    const ProbedDialog& d = probe.dialog();
    EXPECT_EQ(d.title, L"Orvane");
    EXPECT_TRUE(d.HasText(L"信息"));
    EXPECT_TRUE(d.HasText(L"需要 Windows 7 或更高版本"));
    EXPECT_EQ(d.Buttons(), std::vector<std::wstring>{L"确定"});
    EXPECT_EQ(result, IDOK);
}

TEST_P(TaskDialogEmulation, CustomButtonsNumberedFromHundredAndCheckBox) {
    DialogProbe probe([](const ProbedDialog& d) {
        Click(d.Find(L"不再提示"));
        Click(d.Find(L"乙"));
    });
    TaskDialogBox dialog;
    dialog.Title = L"标题";
    dialog.Inst = L"指令";
    dialog.Content = L"内容";
    dialog.Buttons = L"甲\n乙";
    dialog.Footer = L"脚注";
    dialog.Verify = L"不再提示";
    const int result = dialog.Execute(0, 0, FlagBit(tfAllowDialogCancellation), tiWarning,
                                      tfiInformation, 0, 0, nullptr, NonNative());
    probe.Wait();
    ASSERT_TRUE(probe.found());
    const ProbedDialog& d = probe.dialog();
    EXPECT_EQ(d.title, L"标题");
    for (const wchar_t* text : {L"指令", L"内容", L"脚注"}) {
        EXPECT_TRUE(d.HasText(text)) << static_cast<int>(text[0]);
    }
    EXPECT_EQ(d.Buttons(), (std::vector<std::wstring>{L"甲", L"乙"}));
    EXPECT_EQ(result, 101);
    EXPECT_TRUE(dialog.VerifyChecked);
}

TEST_P(TaskDialogEmulation, EscapeOnlyWhereCancellationIsAllowed) {
    {
        // (Wine's own task dialog ends on Escape only with a Cancel button: use the close box.)
        DialogProbe probe([this](const ProbedDialog& d) {
            NonNative() ? test::PressEscape(d) : test::PressCloseBox(d);
        });
        EXPECT_EQ(TaskDialogBox{}.Execute(kButtonOk, 0, FlagBit(tfAllowDialogCancellation),
                                          tiInformation, tfiBlank, 0, 0, nullptr, NonNative()),
                  IDCANCEL);
    }
    {
        DialogProbe probe([](const ProbedDialog& d) {
            test::PressEscape(d);
            test::PressCloseBox(d);
            ::Sleep(300);
            if (::IsWindowVisible(d.hwnd)) {
                Click(d.FindId(IDYES));
            }
        });
        EXPECT_EQ(TaskDialogBox{}.Execute(kButtonYes | kButtonNo, 0, 0, tiQuestion, tfiBlank, 0, 0,
                                          nullptr, NonNative()),
                  IDYES);
    }
}

TEST_P(TaskDialogEmulation, ButtonCallbackCanKeepTheDialogOpen) {
    std::vector<int> seen;
    DialogProbe probe([](const ProbedDialog& d) {
        Click(d.Find(L"甲"));
        Click(d.Find(L"乙"));
    });
    TaskDialogBox dialog;
    dialog.Buttons = L"甲\n乙";
    const int result = dialog.Execute(0, 0, 0, tiInformation, tfiBlank, 0, 0, nullptr, NonNative(),
                                      false, [&](int id) {
                                          seen.push_back(id);
                                          return id != 100;
                                      });
    EXPECT_EQ(result, 101);
    EXPECT_EQ(seen, (std::vector<int>{100, 101}));
}

INSTANTIATE_TEST_SUITE_P(NativeAndImitation, TaskDialogEmulation, ::testing::Bool(),
                         [](const auto& p) { return p.param ? "Imitation" : "Native"; });

TEST(ShowInfoMessage, EmptyInstructionShowsTheWordForInformation) {
    DialogProbe probe([](const ProbedDialog& d) { Click(d.FindId(IDOK)); });
    EXPECT_EQ(win::ShowInfoMessage(L"正文", nullptr, nullptr), IDOK);
    probe.Wait();
    EXPECT_TRUE(probe.dialog().HasText(L"信息"));
    EXPECT_TRUE(probe.dialog().HasText(L"正文"));
}

}  // namespace
}  // namespace orvane
