#pragma once

#include <cstdint>

#include "options/core/PendingColors.h"
#include "options/core/ThemeColors.h"
#include "settings/core/OrvaneOptions.h"

namespace orvane {

// What the options dialog's controls hold, as plain values.
struct OptionsControlState {
    // General.
    bool ShowPage = false;
    bool ShowFree = false;
    bool ShowPercentage = false;
    int Yellow = 65;
    int Red = 90;
    bool Warn = true;
    bool DefragOnHighMem = true;
    bool WarnMsgBox = false;
    bool LogFile = false;
    // Extra.
    bool DefragEveryActive = false;
    int DefragEvery = 120;
    std::uint16_t HotKeyWord = 0;  // the hotkey control's word
    int RefreshRate = 2000;
    int DoubleClick = 0;
    bool CheckMonitor = false;
    // Tray menu.
    bool ShowTop = true;
    int TopCount = 10;
    int ProcessValue = 0;
    bool HighlightProcess = true;
    int HighlightAbove = 1000;
    bool ShowProcessName = false;
    bool UnifyProcs = true;
    bool ShowMemMenu = true;
    bool DisplayHint = true;
    // Display.
    FontSpec Font;  // the chosen font, colour included
    bool InternalFont = true;
    bool DigitsColored = false;
    bool Transparent = true;
    bool BarBottom = false;
    bool FullBar = true;
    bool ShowPercSign = true;
    bool StandardBar = true;
    // Themes.
    PendingColorTexts Pending = PendingDefaults();

    bool operator==(const OptionsControlState&) const = default;
};

// The colour settings as a theme's eight values.
ThemeColors ThemeColorsFromOptions(const OrvaneOptions& o);

// The controls as the dialog sets them up from the settings on a monitor of `dpi` pixels per
// inch: numbers pulled into their boxes' bounds, the dependent boxes cleared as their rules say.
OptionsControlState InitialControlState(const OrvaneOptions& o, int dpi);

// Which controls are enabled for a state.
struct OptionsEnables {
    bool ShowPage = true;
    bool ShowPercSign = true;
    bool DefragEvery = true;
    bool TopProcessControls = true;  // count, value kind, highlight, name, unify
    bool HighlightAbove = true;
    bool DisplayHint = true;
    bool SetFont = true;
};

// Applies the dependency rules: a box whose parent is cleared is disabled and cleared too
// (highlight, process name and unify under the process list, the hint under the memory lines).
OptionsEnables ApplyDependencies(OptionsControlState& s);

// What OK and Apply must do outside the settings record.
struct OptionsEffects {
    bool ShowLogCommand = false;
    bool RemoveProcessLines = false;
    bool RemoveMemoryLines = false;
};

// Writes the controls into the settings. The font's colour is left as chosen; the caller gives
// it the effective text colour afterwards.
OptionsEffects ApplyControlState(const OptionsControlState& s, OrvaneOptions& o);

}  // namespace orvane
