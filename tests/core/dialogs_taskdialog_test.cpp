#include <gtest/gtest.h>

#include "dialogs/core/TaskDialogBox.h"

namespace orvane {
namespace {

TaskDialogConfig Build(const TaskDialogBox& d, std::uint32_t buttons = 0,
                       std::int32_t icon = tiBlank, std::int32_t footerIcon = tfiBlank,
                       const std::wstring& mainCaption = {}) {
    return BuildTaskDialogConfig(d, buttons, 0, 0, icon, footerIcon, mainCaption);
}

TEST(TaskDialog, TitleFallsBackToTheMainFormThenTheApplication) {
    TaskDialogBox d;
    EXPECT_EQ(Build(d).WindowTitle, L"Orvane");
    EXPECT_EQ(Build(d, 0, 0, 0, L"Main").WindowTitle, L"Main");
    d.Title = L"Own";
    EXPECT_EQ(Build(d, 0, 0, 0, L"Main").WindowTitle, L"Own");
}

TEST(TaskDialog, EmptyInstructionIsAWordForTheIcon) {
    const std::pair<std::int32_t, const wchar_t*> cases[] = {
        {tiWarning, L"警告"},     {tiQuestion, L"确认"}, {tiError, L"错误"},
        {tiInformation, L"信息"}, {tiShield, L"信息"},   {tiBlank, L""},
    };
    for (const auto& [icon, word] : cases) {
        EXPECT_EQ(Build(TaskDialogBox{}, 0, icon).MainInstruction, word) << icon;
    }
    TaskDialogBox d;
    d.Inst = L"Given";
    EXPECT_EQ(Build(d, 0, tiError).MainInstruction, L"Given");
}

TEST(TaskDialog, IconsMapToThePlatformsIcons) {
    const std::tuple<std::int32_t, std::int32_t, std::uint16_t, std::uint16_t> cases[] = {
        {tiWarning, tfiWarning, kTdWarningIcon, kTdWarningIcon},
        {tiQuestion, tfiQuestion, kTdQuestionIcon, kTdQuestionIcon},
        {tiError, tfiError, kTdErrorIcon, kTdErrorIcon},
        {tiInformation, tfiInformation, kTdInformationIcon, kTdInformationIcon},
        {tiShield, tfiShield, kTdShieldIcon, kTdShieldIcon},
        {5, 6, 0, 0},
        {tiBlank, tfiBlank, 0, 0},
    };
    for (const auto& [icon, footer, main, foot] : cases) {
        const TaskDialogConfig s = Build(TaskDialogBox{}, 0, icon, footer);
        EXPECT_EQ(s.MainIcon, main) << icon;
        EXPECT_EQ(s.FooterIcon, foot) << footer;
    }
}

TEST(TaskDialog, ButtonsFromLinesAndTheLoneOk) {
    TaskDialogBox d;
    const TaskDialogConfig alone = Build(d);
    EXPECT_EQ(alone.CommonButtons, kButtonOk);
    EXPECT_EQ(alone.DefaultButton, kIdOk);

    d.Buttons = L"甲\n乙\r\n丙";
    const TaskDialogConfig custom = Build(d);
    EXPECT_EQ(custom.CommonButtons, 0u);
    ASSERT_EQ(custom.Buttons.size(), 3u);
    EXPECT_EQ(custom.Buttons[0].Id, 100);
    EXPECT_EQ(custom.Buttons[1].Text, L"乙");
    EXPECT_EQ(custom.Buttons[2].Id, 102);
    EXPECT_EQ(custom.Buttons[2].Text, L"丙");

    EXPECT_EQ(Build(TaskDialogBox{}, kButtonYes | kButtonNo).CommonButtons, 0x6u);
}

TEST(TaskDialog, FlagsAndCheckBox) {
    TaskDialogBox d;
    d.Verify = L"V";
    d.VerifyChecked = true;
    const std::uint32_t flags =
        FlagBit(tfEnableHyperlinks) | FlagBit(tfAllowDialogCancellation) | FlagBit(tfUseHiconMain);
    const TaskDialogConfig s = BuildTaskDialogConfig(d, 0, 0, flags, tiInformation, tfiBlank, {});
    EXPECT_EQ(s.Flags, 0x109u) << "icons are never handles here";
    EXPECT_EQ(s.VerificationText, L"V");
}

}  // namespace
}  // namespace orvane
