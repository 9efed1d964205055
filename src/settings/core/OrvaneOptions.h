#pragma once

#include <cstdint>
#include <string>

#include "settings/core/Color.h"

namespace orvane {

// Font style bits as the settings file stores them.
enum FontStyleBits : int { kFontBold = 1, kFontItalic = 2, kFontUnderline = 4, kFontStrikeOut = 8 };

// The settings font: the font of the icon text when the built-in digits are not used.
// `Color` is the effective text colour (FontColor, or the automatic text colour).
struct FontSpec {
    std::wstring Name = L"Tahoma";
    int CharSet = 1;  // DEFAULT_CHARSET
    int Size = 6;     // points
    int Style = 0;    // FontStyleBits
    ColorValue Color = 0;
    bool operator==(const FontSpec&) const = default;
};

// Values of DoubleClickAction.
enum class DoubleClickActionKind : int {
    TaskManager = 0,
    TrimMemory = 1,
    MemoryBalloon = 2,
    Settings = 3,
    LockWorkstation = 4,
    RunDialog = 5,
    ShutdownDialog = 6,
    ShowDesktop = 7,
};

// All user settings, in declaration order, with their defaults.
struct OrvaneOptions {
    bool Warn = true;
    bool ShowPage = false;
    bool ShowFree = false;
    bool ShowPercentage = false;
    std::int32_t YellowPercent = 65;
    std::int32_t RedPercent = 90;
    FontSpec Font;
    bool ShowPercSign = true;
    bool InternalFont = true;
    bool TransBk = true;
    bool BarBottom = false;
    bool HintWhatisDisplayed = true;
    bool StandardGauge = true;
    ColorValue FontColor = kAutomaticColor;
    ColorValue OpaqueBkColor = kAutomaticColor;
    ColorValue GreenColor = kAutomaticColor;
    ColorValue YellowColor = kAutomaticColor;
    ColorValue RedColor = kAutomaticColor;
    std::int32_t RefreshRate = 2000;
    bool FullBar = true;
    ColorValue FullBarColor = kAutomaticColor;
    std::int32_t RefreshHotkey = 0;
    bool ShowTopProcess = true;
    std::int32_t TopProcessCount = 10;
    bool ShowMemMenu = true;
    bool DefragOnHighMemory = true;
    bool DefragEveryActive = false;
    std::int32_t DefragEvery = 120;
    std::int32_t DoubleClickAction = 0;
    bool SwitchOffMonitorOnLock = false;
    bool WarnMsgBox = false;
    std::int32_t HighlightProcessAbove = 1000;
    ColorValue ProcMenuHightlightColor = kAutomaticColor;
    bool ClickedDonation = false;
    bool NoWarningSwithOffMonMobile = false;
    bool ShowNameInsteadOfModule = false;
    std::int32_t ProcessValueType = 0;
    bool UnifyProcesses = true;
    bool ShowWelcomeWindow = true;
    bool WriteLog = false;
    std::wstring LogFile;  // read from the file, never written; default from GetLogFile
    std::int32_t MenuColorMode = -1;
    bool DigitsColored = false;

    bool operator==(const OrvaneOptions&) const = default;
};

}  // namespace orvane
