#include <gtest/gtest.h>

#include "dialogs/core/FormatText.h"
#include "dialogs/core/MsgBox.h"
#include "dialogs/core/TaskDialogConfig.h"

namespace orvane {
namespace {

TEST(MsgBox, TextFillsInstructionThenParagraphs) {
    const TMsgBox box = NewMsgBox(L"A").Text(L"B").Text(L"C");
    EXPECT_EQ(box.FMainText, L"A");
    EXPECT_EQ(box.FSecondText, L"B\r\n\r\nC");
    EXPECT_EQ(box.FFlags, 0x1008u);
    EXPECT_EQ(box.FDefRadioButton, 0);
    EXPECT_EQ(box.FRadioOut, -1);
    EXPECT_EQ(box.FButtons, 0u);
    EXPECT_EQ(box.FIcon, kIconNone);
}

TEST(MsgBox, EveryOperationLeavesTheOriginalUnchanged) {
    const TMsgBox base = NewMsgBox(L"A");
    bool checked = true;
    const TMsgBox changed = base.Text(L"B")
                                .Warning()
                                .YesNo()
                                .AddButton(L"X", 100, true)
                                .AddRadioButtons({L"r1", L"r2"})
                                .DefRadioButton(-1)
                                .Verification(L"V", &checked)
                                .Footer(L"F", kIconInformation)
                                .Details(L"D", TDetailsPosition::dpFooter, L"more", true)
                                .WindowCaption(L"Cap")
                                .Hypertext();
    EXPECT_EQ(base.FSecondText, L"");
    EXPECT_EQ(base.FIcon, kIconNone);
    EXPECT_EQ(base.FFlags, 0x1008u);
    EXPECT_TRUE(base.FCustomButtons.empty());
    EXPECT_TRUE(base.FRadioButtons.empty());
    EXPECT_FALSE(base.FHyperlinks);

    EXPECT_EQ(changed.FIcon, kIconWarning);
    EXPECT_EQ(changed.FButtons, kButtonYes | kButtonNo);
    EXPECT_EQ(changed.FFlags, FlagBit(tfPositionRelativeToWindow) | FlagBit(tfNoDefaultRadioButton))
        << "YesNo clears cancellation, DefRadioButton(-1) adds no-default-radio";
    EXPECT_EQ(changed.FDefRadioButton, -1);
    EXPECT_TRUE(changed.FVerificationChecked);
    EXPECT_EQ(changed.FVerificationCheckedRes, &checked);
    EXPECT_TRUE(changed.FHyperlinks);
}

TEST(MsgBox, ButtonSetsIconsAndFlags) {
    const TMsgBox b = NewMsgBox(L"A");
    EXPECT_EQ(b.OK().FButtons, 0x01u);
    EXPECT_EQ(b.OKCancel().FButtons, 0x09u);
    EXPECT_EQ(b.Cancel().FButtons, 0x08u);
    EXPECT_EQ(b.Close().FButtons, 0x20u);
    EXPECT_EQ(b.YesNoCancel().FButtons, 0x0Eu);
    EXPECT_EQ(b.YesNoCancel().FFlags, 0x1008u) << "only YesNo forbids Escape";
    EXPECT_EQ(b.Info().FIcon, 3);
    EXPECT_EQ(b.Error().FIcon, 2);
    EXPECT_EQ(b.Shield().FIcon, 4);
    EXPECT_EQ(b.Question().FIcon, 32514);
    EXPECT_EQ(b.AddFlag(tfCanBeMinimized).FFlags, 0x9008u);
    EXPECT_EQ(b.ClearFlag(tfAllowDialogCancellation).FFlags, 0x1000u);
    EXPECT_EQ(b.AddFlag(32).FFlags, 0x1008u);
    EXPECT_EQ(b.ClearFlag(40).FFlags, 0x1008u);
    EXPECT_EQ(b.SetFlags(0x5).FFlags, 0x5u);
    EXPECT_EQ(b.DefRadioButton(2).FFlags, 0x1008u);

    bool unset = false;
    EXPECT_FALSE(b.Verification(L"V", &unset).FVerificationChecked);
    EXPECT_FALSE(b.Verification(L"V").FVerificationChecked);
    EXPECT_EQ(b.Verification(L"V").FVerificationCheckedRes, nullptr);
}

TEST(MsgBox, TextFmtFillsPlaceholders) {
    EXPECT_EQ(NewMsgBox(L"A").TextFmt(L"%s has %d%% (%u, %x)", {L"x", -3, 7u, 255}).FSecondText,
              L"x has -3% (7, FF)");
    struct Case {
        const wchar_t* pattern;
        std::vector<FormatArg> args;
        const wchar_t* expected;
    } cases[] = {
        {L"%d and %d", {1}, L"1 and %d"},  // missing argument stays a placeholder
        {L"%d", {L"text"}, L"%d"},         // wrong kind does not consume
        {L"100%", {}, L"100%"},
        {L"%q%s", {L"z"}, L"%qz"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatText(c.pattern, c.args), c.expected) << c.pattern;
    }
}

TEST(TaskDialogConfig, FlagsMapBitForBitExceptSizeToContent) {
    EXPECT_EQ(PlatformDialogFlags(0x1008), 0x1008u);
    EXPECT_EQ(PlatformDialogFlags(0xFFFF), 0xFFFFu);
    EXPECT_EQ(PlatformDialogFlags(FlagBit(tfSizeToContent)), 0x01000000u);
    EXPECT_EQ(PlatformDialogFlags(0xFFFF0000), 0x01000000u);
    EXPECT_EQ(PlatformDialogFlags(0xFFFE0000), 0u);
}

TEST(TaskDialogConfig, PlainBoxConfiguration) {
    const TaskDialogConfig s = BuildTaskDialogConfig(NewMsgBox(L"A").Text(L"B").Warning());
    EXPECT_EQ(s.WindowTitle, L"Orvane");
    EXPECT_EQ(s.MainInstruction, L"A");
    EXPECT_EQ(s.Content, L"B");
    EXPECT_EQ(s.Flags, 0x1008u | 0x01000000u);
    EXPECT_EQ(s.MainIcon, kTdWarningIcon);
    EXPECT_EQ(s.CommonButtons, 0u);
    EXPECT_EQ(s.DefaultButton, 0);
    EXPECT_TRUE(s.Buttons.empty());
}

TEST(TaskDialogConfig, IconsByNumberOrHandle) {
    const std::pair<std::int32_t, std::uint16_t> icons[] = {
        {0, 0}, {1, 0xFFFF}, {2, 0xFFFE}, {3, 0xFFFD}, {4, 0xFFFC}, {32514, 32514}, {5, 0}, {-1, 0},
    };
    for (const auto& [icon, expected] : icons) {
        EXPECT_EQ(PlatformDialogIcon(icon), expected) << icon;
    }
    int fakeIcon = 0, fakeFooter = 0;
    const TaskDialogConfig s = BuildTaskDialogConfig(
        NewMsgBox(L"A").Info().CustomIcon(&fakeIcon).Footer(L"F", kIconError, &fakeFooter));
    EXPECT_EQ(s.MainIconHandle, &fakeIcon);
    EXPECT_EQ(s.MainIcon, 0);
    EXPECT_EQ(s.FooterIconHandle, &fakeFooter);
    EXPECT_EQ(s.Flags & 0x6, 0x6u) << "both handle flags";
    const TaskDialogConfig n = BuildTaskDialogConfig(NewMsgBox(L"A").Footer(L"F", kIconError));
    EXPECT_EQ(n.FooterIcon, kTdErrorIcon);
    EXPECT_EQ(n.Flags & 0x6, 0u);
    EXPECT_EQ(n.Footer, L"F");
}

TEST(TaskDialogConfig, DerivedFlagsFollowTheFields) {
    // Flags that the fields decide are forced both ways, whatever FFlags says.
    const TMsgBox noisy = NewMsgBox(L"A").SetFlags(0xFFFF);
    const TaskDialogConfig cleared = BuildTaskDialogConfig(noisy);
    EXPECT_EQ(cleared.Flags, (0xFFFFu & ~0x1C7u) | 0x01000000u);

    bool checked = true;
    const TaskDialogConfig set =
        BuildTaskDialogConfig(NewMsgBox(L"A")
                                  .SetFlags(0)
                                  .Details(L"D", TDetailsPosition::dpFooter, L"Show", true)
                                  .Verification(L"V", &checked)
                                  .Hypertext());
    EXPECT_EQ(set.Flags, 0x1C1u | 0x01000000u);
    EXPECT_EQ(set.ExpandedInformation, L"D");
    EXPECT_EQ(set.ExpandedControlText, L"Show");
    EXPECT_EQ(set.VerificationText, L"V");
}

TEST(TaskDialogConfig, DefaultButtonChoice) {
    struct Case {
        TMsgBox box;
        int expected;
    } cases[] = {
        {NewMsgBox(L"A").OKCancel(), 1},
        {NewMsgBox(L"A").OKCancel().DefButton(TCommonButton::Cancel), 2},
        {NewMsgBox(L"A").YesNo().DefButton(TCommonButton::No), 7},
        {NewMsgBox(L"A").YesNoCancel().DefButton(TCommonButton::Close), 0},  // not shown
        {NewMsgBox(L"A").AddButton(L"x", 1).AddButton(L"y", 2), 0},
        {NewMsgBox(L"A").OK().AddButton(L"x", 11).AddButton(L"y", 12, true), 12},
        {NewMsgBox(L"A").AddButton(L"x", 11, true).AddButton(L"y", 12, true), 11},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BuildTaskDialogConfig(c.box).DefaultButton, c.expected);
    }
    const TaskDialogConfig s =
        BuildTaskDialogConfig(NewMsgBox(L"A").AddButton(L"x", 11).AddButton(L"y", 12));
    ASSERT_EQ(s.Buttons.size(), 2u);
    EXPECT_EQ(s.Buttons[1].Id, 12);
    EXPECT_EQ(s.Buttons[1].Text, L"y");
}

TEST(TaskDialogConfig, RadioButtonsAndTheirDefault) {
    const TMsgBox radios = NewMsgBox(L"A").AddRadioButton(L"r0").AddRadioButtons({L"r1", L"r2"});
    EXPECT_EQ(BuildTaskDialogConfig(radios).DefaultRadioButton, kRadioButtonIdBase);
    EXPECT_EQ(BuildTaskDialogConfig(radios.DefRadioButton(2)).DefaultRadioButton,
              kRadioButtonIdBase + 2);
    const TaskDialogConfig none = BuildTaskDialogConfig(radios.DefRadioButton(-1));
    EXPECT_EQ(none.DefaultRadioButton, 0);
    EXPECT_NE(none.Flags & 0x4000u, 0u);
    ASSERT_EQ(none.RadioButtons.size(), 3u);
    EXPECT_EQ(none.RadioButtons[2].Text, L"r2");

    EXPECT_EQ(RadioIndexFromId(radios, kRadioButtonIdBase + 1), 1);
    EXPECT_EQ(RadioIndexFromId(radios, 0), -1);
    EXPECT_EQ(RadioIndexFromId(radios, kRadioButtonIdBase + 3), -1);
}

}  // namespace
}  // namespace orvane
