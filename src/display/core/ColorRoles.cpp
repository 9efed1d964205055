#include "display/core/ColorRoles.h"

namespace orvane {

namespace {

constexpr int kThreeDFace = 15;  // COLOR_3DFACE

TColor Role(TColor setting, bool DefaultsOnly, bool dark, TColor darkValue, TColor lightValue) {
    if (!DefaultsOnly && setting != kAutomaticColor) {
        return setting;
    }
    return dark ? darkValue : lightValue;
}

}  // namespace

TColor GetFontColor(const TOrvaneOptions& o, bool DefaultsOnly, bool darkTaskbar) {
    return Role(o.FontColor, DefaultsOnly, darkTaskbar, RgbColor(255, 255, 255), RgbColor(0, 0, 0));
}

TColor GetBkColor(const TOrvaneOptions& o, bool DefaultsOnly, bool darkTaskbar) {
    return Role(o.OpaqueBkColor, DefaultsOnly, darkTaskbar, RgbColor(0, 0, 0),
                RgbColor(255, 255, 255));
}

TColor GetBarBk(const TOrvaneOptions& o, bool DefaultsOnly, bool darkTaskbar) {
    return Role(o.FullBarColor, DefaultsOnly, darkTaskbar, RgbColor(128, 128, 128),
                RgbColor(168, 168, 168));
}

TColor GetGreenColor(const TOrvaneOptions& o, bool DefaultsOnly, bool darkTaskbar) {
    return Role(o.GreenColor, DefaultsOnly, darkTaskbar, RgbColor(255, 255, 255),
                RgbColor(0, 0, 0));
}

TColor GetYellowColor(const TOrvaneOptions& o, bool DefaultsOnly, bool darkTaskbar) {
    return Role(o.YellowColor, DefaultsOnly, darkTaskbar, RgbColor(255, 255, 192),
                RgbColor(128, 128, 0));
}

TColor GetRedColor(const TOrvaneOptions& o, bool DefaultsOnly, bool darkTaskbar) {
    return Role(o.RedColor, DefaultsOnly, darkTaskbar, RgbColor(255, 192, 192),
                RgbColor(192, 0, 0));
}

int GetMenuModeColor(const TOrvaneOptions& o, bool darkApps) {
    if (o.MenuColorMode != -1) {
        return o.MenuColorMode;
    }
    return darkApps ? kDarkMenu : kLightMenu;
}

TColor GetProcMenuHighlighColor(const TOrvaneOptions& o, bool DefaultsOnly, int nForceColorMode,
                                int menuMode) {
    constexpr TColor kLight = RgbColor(251, 231, 231);
    constexpr TColor kDark = RgbColor(139, 77, 77);
    if (nForceColorMode > 0) {
        return nForceColorMode == 1 ? kLight : kDark;
    }
    const TColor automatic = menuMode == kLightMenu ? kLight : kDark;
    return Role(o.ProcMenuHightlightColor, DefaultsOnly, false, automatic, automatic);
}

TColor MenuBackgroundColor(int menuMode) {
    return menuMode == kDarkMenu ? RgbColor(57, 63, 63) : SystemColor(kThreeDFace);
}

IconColors ResolveIconColors(const TOrvaneOptions& o, bool darkTaskbar) {
    return IconColors{GetFontColor(o, false, darkTaskbar),   GetBkColor(o, false, darkTaskbar),
                      GetBarBk(o, false, darkTaskbar),       GetGreenColor(o, false, darkTaskbar),
                      GetYellowColor(o, false, darkTaskbar), GetRedColor(o, false, darkTaskbar)};
}

}  // namespace orvane
