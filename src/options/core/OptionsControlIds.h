#pragma once

namespace orvane {

// Control IDs of the options dialog. OK and Cancel use IDOK and IDCANCEL, so Enter and Escape
// reach them.
enum OptionsControlId : int {
    kIdApply = 1001,
    kIdTabs,
    kIdShowPage,
    kIdShowFree,
    kIdShowPercentage,
    kIdYellow,
    kIdRed,
    kIdThemesLink,
    kIdWarn,
    kIdDefragOnHigh,
    kIdWarnMsgBox,
    kIdLogFile,
    kIdDefragEveryActive,
    kIdDefragEvery,
    kIdHotKey,
    kIdRefreshRate,
    kIdResetRate,
    kIdDoubleClick,
    kIdMonitor,
    kIdShowTop,
    kIdTopCount,
    kIdProcessValue,
    kIdHighlight,
    kIdHighlightAbove,
    kIdProcessName,
    kIdUnify,
    kIdShowMemMenu,
    kIdDisplayHint,
    kIdFontPanel,
    kIdSetFont,
    kIdInternalFont,
    kIdDigitsColored,
    kIdTransparent,
    kIdBarBottom,
    kIdFullBar,
    kIdPercSign,
    kIdStandardBar,
    kIdThemes,
    kIdSaveAs,
    kIdDeleteTheme,
    kIdColorList,
    kIdForeground,
    kIdDarkMode,
};

}  // namespace orvane
