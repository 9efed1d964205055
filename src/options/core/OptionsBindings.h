#pragma once

#include <array>

#include "options/core/OptionsControlIds.h"
#include "options/core/OptionsControlState.h"
#include "options/core/SpinRange.h"
#include "options/core/ThemeColors.h"
#include "settings/core/OrvaneOptions.h"

namespace orvane {

// The one place that binds each of the dialog's value controls to its field of the control
// state and to its setting. Reading and writing the controls, and moving the state to and from
// the settings, are all derived from these tables, so a new setting is one new row.

// A check box. `Setting` is null where the setting is derived by hand (the highlight box, whose
// setting is a number; the internal font, which the monitor's scaling may refuse).
struct CheckBinding {
    int ControlId;
    bool OptionsControlState::*State;
    bool OrvaneOptions::*Setting;
};

// A number box. The setting is pulled into the box's range when the dialog opens. `OnlyWhen`,
// when set, names the box that must be ticked for the number to be stored; `Setting` is null
// where the setting is derived by hand.
struct NumberBinding {
    int ControlId;
    int OptionsControlState::*State;
    int OrvaneOptions::*Setting;
    SpinRange Range;
    bool OptionsControlState::*OnlyWhen = nullptr;
};

// A drop-down list whose item index is the setting.
struct ChoiceBinding {
    int ControlId;
    int OptionsControlState::*State;
    int OrvaneOptions::*Setting;
};

inline constexpr std::array kCheckBindings{
    CheckBinding{kIdShowPage, &OptionsControlState::ShowPage, &OrvaneOptions::ShowPage},
    CheckBinding{kIdShowFree, &OptionsControlState::ShowFree, &OrvaneOptions::ShowFree},
    CheckBinding{kIdShowPercentage, &OptionsControlState::ShowPercentage,
                 &OrvaneOptions::ShowPercentage},
    CheckBinding{kIdWarn, &OptionsControlState::Warn, &OrvaneOptions::Warn},
    CheckBinding{kIdDefragOnHigh, &OptionsControlState::DefragOnHighMem,
                 &OrvaneOptions::DefragOnHighMemory},
    CheckBinding{kIdWarnMsgBox, &OptionsControlState::WarnMsgBox, &OrvaneOptions::WarnMsgBox},
    CheckBinding{kIdLogFile, &OptionsControlState::LogFile, &OrvaneOptions::WriteLog},
    CheckBinding{kIdDefragEveryActive, &OptionsControlState::DefragEveryActive,
                 &OrvaneOptions::DefragEveryActive},
    CheckBinding{kIdMonitor, &OptionsControlState::CheckMonitor,
                 &OrvaneOptions::SwitchOffMonitorOnLock},
    CheckBinding{kIdShowTop, &OptionsControlState::ShowTop, &OrvaneOptions::ShowTopProcess},
    CheckBinding{kIdHighlight, &OptionsControlState::HighlightProcess, nullptr},
    CheckBinding{kIdProcessName, &OptionsControlState::ShowProcessName,
                 &OrvaneOptions::ShowNameInsteadOfModule},
    CheckBinding{kIdUnify, &OptionsControlState::UnifyProcs, &OrvaneOptions::UnifyProcesses},
    CheckBinding{kIdShowMemMenu, &OptionsControlState::ShowMemMenu, &OrvaneOptions::ShowMemMenu},
    CheckBinding{kIdDisplayHint, &OptionsControlState::DisplayHint,
                 &OrvaneOptions::HintWhatisDisplayed},
    CheckBinding{kIdInternalFont, &OptionsControlState::InternalFont, nullptr},
    CheckBinding{kIdDigitsColored, &OptionsControlState::DigitsColored,
                 &OrvaneOptions::DigitsColored},
    CheckBinding{kIdTransparent, &OptionsControlState::Transparent, &OrvaneOptions::TransBk},
    CheckBinding{kIdBarBottom, &OptionsControlState::BarBottom, &OrvaneOptions::BarBottom},
    CheckBinding{kIdFullBar, &OptionsControlState::FullBar, &OrvaneOptions::FullBar},
    CheckBinding{kIdPercSign, &OptionsControlState::ShowPercSign, &OrvaneOptions::ShowPercSign},
    CheckBinding{kIdStandardBar, &OptionsControlState::StandardBar, &OrvaneOptions::StandardGauge},
};

inline constexpr std::array kNumberBindings{
    NumberBinding{kIdYellow, &OptionsControlState::Yellow, &OrvaneOptions::YellowPercent,
                  kPercentRange},
    NumberBinding{kIdRed, &OptionsControlState::Red, &OrvaneOptions::RedPercent, kPercentRange},
    NumberBinding{kIdDefragEvery, &OptionsControlState::DefragEvery, &OrvaneOptions::DefragEvery,
                  kDefragEveryRange, &OptionsControlState::DefragEveryActive},
    NumberBinding{kIdRefreshRate, &OptionsControlState::RefreshRate, &OrvaneOptions::RefreshRate,
                  kRefreshRateRange},
    NumberBinding{kIdTopCount, &OptionsControlState::TopCount, &OrvaneOptions::TopProcessCount,
                  kTopProcessRange},
    NumberBinding{kIdHighlightAbove, &OptionsControlState::HighlightAbove, nullptr,
                  kHighlightAboveRange},
};

inline constexpr std::array kChoiceBindings{
    ChoiceBinding{kIdDoubleClick, &OptionsControlState::DoubleClick,
                  &OrvaneOptions::DoubleClickAction},
    ChoiceBinding{kIdProcessValue, &OptionsControlState::ProcessValue,
                  &OrvaneOptions::ProcessValueType},
};

// The settings behind the colour list's seven colours and its menu mode.
struct ColorBinding {
    ColorValue ThemeColors::*Theme;
    ColorValue OrvaneOptions::*Setting;
};

inline constexpr std::array kColorBindings{
    ColorBinding{&ThemeColors::TopProcessHighlight, &OrvaneOptions::ProcMenuHightlightColor},
    ColorBinding{&ThemeColors::FontColor, &OrvaneOptions::FontColor},
    ColorBinding{&ThemeColors::BackgroundColor, &OrvaneOptions::OpaqueBkColor},
    ColorBinding{&ThemeColors::BarColor, &OrvaneOptions::FullBarColor},
    ColorBinding{&ThemeColors::GreenColor, &OrvaneOptions::GreenColor},
    ColorBinding{&ThemeColors::YellowColor, &OrvaneOptions::YellowColor},
    ColorBinding{&ThemeColors::RedColor, &OrvaneOptions::RedColor},
    ColorBinding{&ThemeColors::MenuMode, &OrvaneOptions::MenuColorMode},
};

}  // namespace orvane
