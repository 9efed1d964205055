#include "display/core/ColorRoles.h"

namespace orvane {

namespace {

constexpr int kThreeDFace = 15;  // COLOR_3DFACE

ColorValue Role(ColorValue setting, bool DefaultsOnly, bool dark, ColorValue darkValue,
                ColorValue lightValue) {
    if (!DefaultsOnly && setting != kAutomaticColor) {
        return setting;
    }
    return dark ? darkValue : lightValue;
}

}  // namespace

ColorValue GetFontColor(const OrvaneOptions& o, bool DefaultsOnly, bool darkTaskbar) {
    return Role(o.FontColor, DefaultsOnly, darkTaskbar, RgbColor(255, 255, 255), RgbColor(0, 0, 0));
}

ColorValue GetBkColor(const OrvaneOptions& o, bool DefaultsOnly, bool darkTaskbar) {
    return Role(o.OpaqueBkColor, DefaultsOnly, darkTaskbar, RgbColor(0, 0, 0),
                RgbColor(255, 255, 255));
}

ColorValue GetBarBk(const OrvaneOptions& o, bool DefaultsOnly, bool darkTaskbar) {
    return Role(o.FullBarColor, DefaultsOnly, darkTaskbar, RgbColor(128, 128, 128),
                RgbColor(168, 168, 168));
}

ColorValue GetGreenColor(const OrvaneOptions& o, bool DefaultsOnly, bool darkTaskbar) {
    return Role(o.GreenColor, DefaultsOnly, darkTaskbar, RgbColor(255, 255, 255),
                RgbColor(0, 0, 0));
}

ColorValue GetYellowColor(const OrvaneOptions& o, bool DefaultsOnly, bool darkTaskbar) {
    return Role(o.YellowColor, DefaultsOnly, darkTaskbar, RgbColor(255, 255, 192),
                RgbColor(128, 128, 0));
}

ColorValue GetRedColor(const OrvaneOptions& o, bool DefaultsOnly, bool darkTaskbar) {
    return Role(o.RedColor, DefaultsOnly, darkTaskbar, RgbColor(255, 192, 192),
                RgbColor(192, 0, 0));
}

int GetMenuModeColor(const OrvaneOptions& o, bool darkApps) {
    if (o.MenuColorMode != -1) {
        return o.MenuColorMode;
    }
    return darkApps ? kDarkMenu : kLightMenu;
}

ColorValue GetProcMenuHighlightColor(const OrvaneOptions& o, bool DefaultsOnly, int nForceColorMode,
                                     int menuMode) {
    constexpr ColorValue kLight = RgbColor(251, 231, 231);
    constexpr ColorValue kDark = RgbColor(139, 77, 77);
    if (nForceColorMode > 0) {
        return nForceColorMode == 1 ? kLight : kDark;
    }
    const ColorValue automatic = menuMode == kLightMenu ? kLight : kDark;
    return Role(o.ProcMenuHightlightColor, DefaultsOnly, false, automatic, automatic);
}

ColorValue MenuBackgroundColor(int menuMode) {
    return menuMode == kDarkMenu ? RgbColor(57, 63, 63) : SystemColor(kThreeDFace);
}

IconColors ResolveIconColors(const OrvaneOptions& o, bool darkTaskbar) {
    return IconColors{GetFontColor(o, false, darkTaskbar),   GetBkColor(o, false, darkTaskbar),
                      GetBarBk(o, false, darkTaskbar),       GetGreenColor(o, false, darkTaskbar),
                      GetYellowColor(o, false, darkTaskbar), GetRedColor(o, false, darkTaskbar)};
}

}  // namespace orvane
