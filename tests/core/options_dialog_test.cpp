#include <gtest/gtest.h>

#include "hotkeys/core/HotKeyValue.h"
#include "options/core/InternalFontChoice.h"
#include "options/core/OptionsControlState.h"
#include "options/core/SpinRange.h"
#include "options/core/Thresholds.h"

namespace orvane {
namespace {

TEST(OptionsSpinTest, TextPulledIntoRangeAndNonNumbersReadAsMinimum) {
    struct Case {
        const wchar_t* Text;
        SpinRange Range;
        int Expected;
    };
    const Case cases[] = {
        {L"2500", kRefreshRateRange, 2500},
        {L"5", kRefreshRateRange, 1000},
        {L"999999999999999999999", kRefreshRateRange, 900000},
        {L"-40", kDefragEveryRange, 5},
        {L"1000", kDefragEveryRange, 999},
        {L" 12 ", kTopProcessRange, 12},
        {L"abc", kHighlightAboveRange, 1},
        {L"", kDefragEveryRange, 5},
        {L"12a", kTopProcessRange, 1},
        {L"0x10", kTopProcessRange, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SpinValueFromText(c.Text, c.Range), c.Expected) << c.Text;
    }
}

TEST(OptionsThresholdTest, EachBoxLimitsTheOther) {
    ThresholdLimits limits = LimitsFromThresholds(L"65", L"90");
    EXPECT_EQ(limits.YellowMax, 89);
    EXPECT_EQ(limits.RedMin, 66);
    // Red moved down to 80: yellow may go no higher than 79, and the heading says 80.
    limits = LimitsFromThresholds(L"65", L"80");
    EXPECT_EQ(limits.YellowMax, 79);
    EXPECT_EQ(HighMemoryHeading(80), L"高内存使用率 (当内存高于 80%):");
    // A text that is not a number ends the handler where it is read.
    limits = LimitsFromThresholds(L"x", L"80");
    EXPECT_EQ(limits.YellowMax, 79);
    EXPECT_FALSE(limits.RedMin);
    limits = LimitsFromThresholds(L"65", L"");
    EXPECT_FALSE(limits.YellowMax);
    EXPECT_FALSE(limits.RedMin);
}

TEST(OptionsInternalFontTest, AvailableUpTo144Dpi) {
    for (const int dpi : {96, 120, 144}) {
        const InternalFontChoice c = ChooseInternalFont(true, dpi);
        EXPECT_TRUE(c.Checked && c.Enabled) << dpi;
        EXPECT_FALSE(c.ShowScaleWarning) << dpi;
        EXPECT_EQ(c.Caption, L"使用内部字体优化结果") << dpi;
    }
    const InternalFontChoice above = ChooseInternalFont(true, 168);
    EXPECT_FALSE(above.Checked || above.Enabled);
    EXPECT_TRUE(above.ShowScaleWarning);
    EXPECT_EQ(above.Caption, L"使用内部字体优化结果 *");
    EXPECT_FALSE(ChooseInternalFont(false, 96).Checked);
}

TEST(OptionsControlStateTest, StartsFromTheSettingsWithinBounds) {
    OrvaneOptions o;
    o.HighlightProcessAbove = 0;
    o.RefreshRate = 50;
    o.TopProcessCount = 500;
    o.ShowMemMenu = false;
    o.MenuColorMode = 1;
    o.GreenColor = RgbColor(0x11, 0x22, 0x33);
    const OptionsControlState s = InitialControlState(o, 96);
    EXPECT_FALSE(s.HighlightProcess);
    EXPECT_EQ(s.HighlightAbove, 1000);  // the box keeps its own value while the highlight is off
    EXPECT_EQ(s.RefreshRate, 1000);
    EXPECT_EQ(s.TopCount, 100);
    EXPECT_FALSE(s.DisplayHint);  // cleared with the memory lines
    EXPECT_EQ(s.Pending[kEntryMenuMode], L"1");
    EXPECT_EQ(s.Pending[kEntryGreenColor], L"112233");
    EXPECT_EQ(s.Pending[kEntryRedColor], L"-1");
}

TEST(OptionsControlStateTest, DependentBoxesFollowTheirParents) {
    OptionsControlState s;
    s.ShowTop = false;
    s.ShowPercentage = true;
    s.InternalFont = false;
    const OptionsEnables e = ApplyDependencies(s);
    EXPECT_FALSE(s.HighlightProcess || s.ShowProcessName || s.UnifyProcs);
    EXPECT_FALSE(e.TopProcessControls || e.HighlightAbove || e.ShowPage);
    EXPECT_TRUE(e.ShowPercSign && e.DisplayHint && e.SetFont);
    EXPECT_TRUE(s.DisplayHint);
}

TEST(OptionsOkSequenceTest, ControlsBecomeTheSettings) {
    OrvaneOptions o;
    OptionsControlState s = InitialControlState(o, 96);
    EXPECT_EQ(s.HighlightAbove, 1000);
    s.HighlightProcess = false;
    s.HotKeyWord = static_cast<std::uint16_t>((kHotKeyControlCtrl | kHotKeyControlAlt) << 8 | 'D');
    s.ShowPercentage = true;
    s.ShowTop = false;
    s.LogFile = true;
    s.Yellow = 50;
    s.Red = 70;
    s.Pending[kEntryMenuMode] = L"7";  // no such mode: automatic
    s.Pending[kEntryFontColor] = L"FFC0C0";
    s.Pending[kEntryBackgroundColor] = L"ThreeDFace";
    s.Pending[kEntryBarColor] = L"nonsense";
    const OptionsEffects effects = ApplyControlState(s, o);
    EXPECT_EQ(o.HighlightProcessAbove, 0);
    EXPECT_EQ(o.RefreshHotkey, 0x4000 | 0x8000 | 'D');
    EXPECT_TRUE(o.ShowPercentage);
    EXPECT_EQ(o.YellowPercent, 50);
    EXPECT_EQ(o.RedPercent, 70);
    EXPECT_EQ(o.MenuColorMode, -1);
    EXPECT_EQ(o.FontColor, RgbColor(0xFF, 0xC0, 0xC0));
    EXPECT_EQ(o.OpaqueBkColor, SystemColor(15));
    EXPECT_EQ(o.FullBarColor, kAutomaticColor);
    EXPECT_TRUE(effects.ShowLogCommand);
    EXPECT_TRUE(effects.RemoveProcessLines);
    EXPECT_FALSE(effects.RemoveMemoryLines);
}

TEST(OptionsOkSequenceTest, HotkeyNeverAbove16Bits) {
    OrvaneOptions o;
    o.RefreshHotkey = static_cast<std::int32_t>(kHotKeyWin | kHotKeyShift | 'X');
    OptionsControlState s = InitialControlState(o, 96);
    s.HotKeyWord = 0xFFFF;  // every flag of the control, the extended one included
    ApplyControlState(s, o);
    // Shift, Ctrl and Alt on key 0xFF; the extended-key flag has no place in the value.
    EXPECT_EQ(o.RefreshHotkey, 0xE0FF);
}

TEST(OptionsOkSequenceTest, DefragEveryKeptWhileItsBoxIsClear) {
    OrvaneOptions o;
    o.DefragEvery = 240;
    OptionsControlState s = InitialControlState(o, 96);
    s.DefragEvery = 30;
    ApplyControlState(s, o);
    EXPECT_EQ(o.DefragEvery, 240);
    EXPECT_FALSE(o.DefragEveryActive);
    s.DefragEveryActive = true;
    ApplyControlState(s, o);
    EXPECT_EQ(o.DefragEvery, 30);
}

}  // namespace
}  // namespace orvane
