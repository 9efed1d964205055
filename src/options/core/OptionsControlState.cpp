#include "options/core/OptionsControlState.h"

#include "hotkeys/core/HotKeyValue.h"
#include "options/core/OptionsBindings.h"
#include "options/core/InternalFontChoice.h"
#include "options/core/SpinRange.h"

namespace orvane {

namespace {

// Where the highlight box starts when the highlight is off.
constexpr int kHighlightAboveShownWhenOff = 1000;

}  // namespace

ThemeColors ThemeColorsFromOptions(const OrvaneOptions& o) {
    ThemeColors c;
    for (const ColorBinding& b : kColorBindings) {
        c.*b.Theme = o.*b.Setting;
    }
    return c;
}

OptionsControlState InitialControlState(const OrvaneOptions& o, int dpi) {
    OptionsControlState s;
    for (const CheckBinding& b : kCheckBindings) {
        if (b.Setting) {
            s.*b.State = o.*b.Setting;
        }
    }
    for (const NumberBinding& b : kNumberBindings) {
        if (b.Setting) {
            s.*b.State = ClampToRange(o.*b.Setting, b.Range);
        }
    }
    for (const ChoiceBinding& b : kChoiceBindings) {
        s.*b.State = o.*b.Setting;
    }
    s.HotKeyWord = HotKeyToControlWord(static_cast<std::uint32_t>(o.RefreshHotkey));
    s.HighlightProcess = o.HighlightProcessAbove > 0;
    s.HighlightAbove =
        ClampToRange(s.HighlightProcess ? o.HighlightProcessAbove : kHighlightAboveShownWhenOff,
                     kHighlightAboveRange);
    s.Font = o.Font;
    s.InternalFont = ChooseInternalFont(o.InternalFont, dpi).Checked;
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
    for (const CheckBinding& b : kCheckBindings) {
        if (b.Setting) {
            o.*b.Setting = s.*b.State;
        }
    }
    for (const NumberBinding& b : kNumberBindings) {
        if (b.Setting && (!b.OnlyWhen || s.*b.OnlyWhen)) {
            o.*b.Setting = s.*b.State;
        }
    }
    for (const ChoiceBinding& b : kChoiceBindings) {
        o.*b.Setting = s.*b.State;
    }
    o.InternalFont = s.InternalFont;
    o.RefreshHotkey = static_cast<std::int32_t>(ControlWordToHotKey(s.HotKeyWord));
    o.Font = s.Font;
    o.HighlightProcessAbove = s.HighlightProcess ? s.HighlightAbove : 0;
    const ThemeColors colors = ColorsFromPending(s.Pending);
    for (const ColorBinding& b : kColorBindings) {
        o.*b.Setting = colors.*b.Theme;
    }
    OptionsEffects effects;
    effects.ShowLogCommand = o.WriteLog;
    effects.RemoveProcessLines = !o.ShowTopProcess;
    effects.RemoveMemoryLines = !o.ShowMemMenu;
    return effects;
}

}  // namespace orvane
