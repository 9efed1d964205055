#include <gtest/gtest.h>

#include "dialogs/core/FormatText.h"
#include "dialogs/core/MessageBoxBuilder.h"
#include "dialogs/core/TaskDialogConfig.h"

namespace orvane {
namespace {

TEST(MsgBox, TextFillsInstructionThenParagraphs) {
    const MessageBoxBuilder box = NewMsgBox(L"A").Text(L"B").Text(L"C");
    EXPECT_EQ(box.mainText_, L"A");
    EXPECT_EQ(box.secondText_, L"B\r\n\r\nC");
    EXPECT_EQ(box.flags_, 0x1008u);
    EXPECT_EQ(box.defRadioButton_, 0);
    EXPECT_EQ(box.radioOut_, -1);
    EXPECT_EQ(box.buttons_, 0u);
    EXPECT_EQ(box.icon_, kIconNone);
}

TEST(MsgBox, EveryOperationLeavesTheOriginalUnchanged) {
    const MessageBoxBuilder base = NewMsgBox(L"A");
    bool checked = true;
    const MessageBoxBuilder changed = base.Text(L"B")
                                          .Warning()
                                          .YesNo()
                                          .AddButton(L"X", 100, true)
                                          .AddRadioButtons({L"r1", L"r2"})
                                          .DefRadioButton(-1)
                                          .Verification(L"V", &checked)
                                          .Footer(L"F", kIconInformation)
                                          .Details(L"D", DetailsPosition::dpFooter, L"more", true)
                                          .WindowCaption(L"Cap")
                                          .Hypertext();
    EXPECT_EQ(base.secondText_, L"");
    EXPECT_EQ(base.icon_, kIconNone);
    EXPECT_EQ(base.flags_, 0x1008u);
    EXPECT_TRUE(base.customButtons_.empty());
    EXPECT_TRUE(base.radioButtons_.empty());
    EXPECT_FALSE(base.hyperlinks_);

    EXPECT_EQ(changed.icon_, kIconWarning);
    EXPECT_EQ(changed.buttons_, kButtonYes | kButtonNo);
    EXPECT_EQ(changed.flags_, FlagBit(tfPositionRelativeToWindow) | FlagBit(tfNoDefaultRadioButton))
        << "YesNo clears cancellation, DefRadioButton(-1) adds no-default-radio";
    EXPECT_EQ(changed.defRadioButton_, -1);
    EXPECT_TRUE(changed.verificationChecked_);
    EXPECT_EQ(changed.verificationCheckedRes_, &checked);
    EXPECT_TRUE(changed.hyperlinks_);
}

TEST(MsgBox, ButtonSetsIconsAndFlags) {
    const MessageBoxBuilder b = NewMsgBox(L"A");
    EXPECT_EQ(b.OK().buttons_, 0x01u);
    EXPECT_EQ(b.OKCancel().buttons_, 0x09u);
    EXPECT_EQ(b.Cancel().buttons_, 0x08u);
    EXPECT_EQ(b.Close().buttons_, 0x20u);
    EXPECT_EQ(b.YesNoCancel().buttons_, 0x0Eu);
    EXPECT_EQ(b.YesNoCancel().flags_, 0x1008u) << "only YesNo forbids Escape";
    EXPECT_EQ(b.Info().icon_, 3);
    EXPECT_EQ(b.Error().icon_, 2);
    EXPECT_EQ(b.Shield().icon_, 4);
    EXPECT_EQ(b.Question().icon_, 32514);
    EXPECT_EQ(b.AddFlag(tfCanBeMinimized).flags_, 0x9008u);
    EXPECT_EQ(b.ClearFlag(tfAllowDialogCancellation).flags_, 0x1000u);
    EXPECT_EQ(b.AddFlag(32).flags_, 0x1008u);
    EXPECT_EQ(b.ClearFlag(40).flags_, 0x1008u);
    EXPECT_EQ(b.SetFlags(0x5).flags_, 0x5u);
    EXPECT_EQ(b.DefRadioButton(2).flags_, 0x1008u);

    bool unset = false;
    EXPECT_FALSE(b.Verification(L"V", &unset).verificationChecked_);
    EXPECT_FALSE(b.Verification(L"V").verificationChecked_);
    EXPECT_EQ(b.Verification(L"V").verificationCheckedRes_, nullptr);
}

TEST(MsgBox, TextFmtFillsPlaceholders) {
    EXPECT_EQ(NewMsgBox(L"A").TextFmt(L"%s has %d%% (%u, %x)", {L"x", -3, 7u, 255}).secondText_,
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
    // Flags that the fields decide are forced both ways, whatever flags_ says.
    const MessageBoxBuilder noisy = NewMsgBox(L"A").SetFlags(0xFFFF);
    const TaskDialogConfig cleared = BuildTaskDialogConfig(noisy);
    EXPECT_EQ(cleared.Flags, (0xFFFFu & ~0x1C7u) | 0x01000000u);

    bool checked = true;
    const TaskDialogConfig set =
        BuildTaskDialogConfig(NewMsgBox(L"A")
                                  .SetFlags(0)
                                  .Details(L"D", DetailsPosition::dpFooter, L"Show", true)
                                  .Verification(L"V", &checked)
                                  .Hypertext());
    EXPECT_EQ(set.Flags, 0x1C1u | 0x01000000u);
    EXPECT_EQ(set.ExpandedInformation, L"D");
    EXPECT_EQ(set.ExpandedControlText, L"Show");
    EXPECT_EQ(set.VerificationText, L"V");
}

TEST(TaskDialogConfig, DefaultButtonChoice) {
    struct Case {
        MessageBoxBuilder box;
        int expected;
    } cases[] = {
        {NewMsgBox(L"A").OKCancel(), 1},
        {NewMsgBox(L"A").OKCancel().DefButton(CommonButton::Cancel), 2},
        {NewMsgBox(L"A").YesNo().DefButton(CommonButton::No), 7},
        {NewMsgBox(L"A").YesNoCancel().DefButton(CommonButton::Close), 0},  // not shown
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
    const MessageBoxBuilder radios =
        NewMsgBox(L"A").AddRadioButton(L"r0").AddRadioButtons({L"r1", L"r2"});
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
