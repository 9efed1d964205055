#include "options/core/OptionsControlState.h"

#include "hotkeys/core/HotKeyValue.h"
#include "options/core/InternalFontChoice.h"
#include "options/core/SpinRange.h"

namespace orvane {

namespace {

// Where the highlight box starts when the highlight is off.
constexpr int kHighlightAboveShownWhenOff = 1000;

}  // namespace

ThemeColors ThemeColorsFromOptions(const OrvaneOptions& o) {
    ThemeColors c;
    c.FontColor = o.FontColor;
    c.BackgroundColor = o.OpaqueBkColor;
    c.BarColor = o.FullBarColor;
    c.GreenColor = o.GreenColor;
    c.YellowColor = o.YellowColor;
    c.RedColor = o.RedColor;
    c.MenuMode = o.MenuColorMode;
    c.TopProcessHighlight = o.ProcMenuHightlightColor;
    return c;
}

OptionsControlState InitialControlState(const OrvaneOptions& o, int dpi) {
    OptionsControlState s;
    s.ShowPage = o.ShowPage;
    s.ShowFree = o.ShowFree;
    s.ShowPercentage = o.ShowPercentage;
    s.Yellow = ClampToRange(o.YellowPercent, kPercentRange);
    s.Red = ClampToRange(o.RedPercent, kPercentRange);
    s.Warn = o.Warn;
    s.DefragOnHighMem = o.DefragOnHighMemory;
    s.WarnMsgBox = o.WarnMsgBox;
    s.LogFile = o.WriteLog;
    s.DefragEveryActive = o.DefragEveryActive;
    s.DefragEvery = ClampToRange(o.DefragEvery, kDefragEveryRange);
    s.HotKeyWord = HotKeyToControlWord(static_cast<std::uint32_t>(o.RefreshHotkey));
    s.RefreshRate = ClampToRange(o.RefreshRate, kRefreshRateRange);
    s.DoubleClick = o.DoubleClickAction;
    s.CheckMonitor = o.SwitchOffMonitorOnLock;
    s.ShowTop = o.ShowTopProcess;
    s.TopCount = ClampToRange(o.TopProcessCount, kTopProcessRange);
    s.ProcessValue = o.ProcessValueType;
    s.HighlightProcess = o.HighlightProcessAbove > 0;
    s.HighlightAbove =
        ClampToRange(s.HighlightProcess ? o.HighlightProcessAbove : kHighlightAboveShownWhenOff,
                     kHighlightAboveRange);
    s.ShowProcessName = o.ShowNameInsteadOfModule;
    s.UnifyProcs = o.UnifyProcesses;
    s.ShowMemMenu = o.ShowMemMenu;
    s.DisplayHint = o.HintWhatisDisplayed;
    s.Font = o.Font;
    s.InternalFont = ChooseInternalFont(o.InternalFont, dpi).Checked;
    s.DigitsColored = o.DigitsColored;
    s.Transparent = o.TransBk;
    s.BarBottom = o.BarBottom;
    s.FullBar = o.FullBar;
    s.ShowPercSign = o.ShowPercSign;
    s.StandardBar = o.StandardGauge;
    s.Pending = PendingFromColors(ThemeColorsFromOptions(o));
    ApplyDependencies(s);
    return s;
}

OptionsEnables ApplyDependencies(OptionsControlState& s) {
    OptionsEnables e;
    e.ShowPage = !s.ShowPercentage;
    e.ShowPercSign = s.ShowPercentage;
    e.DefragEvery = s.DefragEveryActive;
    e.TopProcessControls = s.ShowTop;
    if (!s.ShowTop) {
        s.HighlightProcess = false;
        s.ShowProcessName = false;
        s.UnifyProcs = false;
    }
    e.HighlightAbove = s.HighlightProcess && s.ShowTop;
    e.DisplayHint = s.ShowMemMenu;
    if (!s.ShowMemMenu) {
        s.DisplayHint = false;
    }
    e.SetFont = !s.InternalFont;
    return e;
}

OptionsEffects ApplyControlState(const OptionsControlState& s, OrvaneOptions& o) {
    o.DefragOnHighMemory = s.DefragOnHighMem;
    o.DoubleClickAction = s.DoubleClick;
    o.SwitchOffMonitorOnLock = s.CheckMonitor;
    o.DefragEveryActive = s.DefragEveryActive;
    if (s.DefragEveryActive) {
        o.DefragEvery = s.DefragEvery;
    }
    o.Warn = s.Warn;
    o.WarnMsgBox = s.WarnMsgBox;
    o.WriteLog = s.LogFile;
    o.ShowPage = s.ShowPage;
    o.ShowFree = s.ShowFree;
    o.ShowPercSign = s.ShowPercSign;
    o.ShowPercentage = s.ShowPercentage;
    o.InternalFont = s.InternalFont;
    o.HintWhatisDisplayed = s.DisplayHint;
    o.BarBottom = s.BarBottom;
    o.StandardGauge = s.StandardBar;
    o.FullBar = s.FullBar;
    o.RefreshHotkey = static_cast<std::int32_t>(ControlWordToHotKey(s.HotKeyWord));
    o.RefreshRate = s.RefreshRate;
    o.Font = s.Font;
    o.YellowPercent = s.Yellow;
    o.RedPercent = s.Red;
    o.TransBk = s.Transparent;
    o.HighlightProcessAbove = s.HighlightProcess ? s.HighlightAbove : 0;
    o.ShowNameInsteadOfModule = s.ShowProcessName;
    o.UnifyProcesses = s.UnifyProcs;
    o.ProcessValueType = s.ProcessValue;
    o.ShowTopProcess = s.ShowTop;
    o.TopProcessCount = s.TopCount;
    o.ShowMemMenu = s.ShowMemMenu;
    o.MenuColorMode = MenuModeFromText(s.Pending[kEntryMenuMode]);
    o.DigitsColored = s.DigitsColored;
    o.ProcMenuHightlightColor = ColorFromValueText(s.Pending[kEntryTopProcessHighlight]);
    o.FontColor = ColorFromValueText(s.Pending[kEntryFontColor]);
    o.OpaqueBkColor = ColorFromValueText(s.Pending[kEntryBackgroundColor]);
    o.FullBarColor = ColorFromValueText(s.Pending[kEntryBarColor]);
    o.GreenColor = ColorFromValueText(s.Pending[kEntryGreenColor]);
    o.YellowColor = ColorFromValueText(s.Pending[kEntryYellowColor]);
    o.RedColor = ColorFromValueText(s.Pending[kEntryRedColor]);
    OptionsEffects effects;
    effects.ShowLogCommand = o.WriteLog;
    effects.RemoveProcessLines = !o.ShowTopProcess;
    effects.RemoveMemoryLines = !o.ShowMemMenu;
    return effects;
}

}  // namespace orvane
