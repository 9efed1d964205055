#pragma once

#include "settings/core/Color.h"
#include "settings/core/OrvaneOptions.h"

namespace orvane {

// The colour roles of the icon and the tray menu. A role is the user's setting unless that is
// automatic (or `DefaultsOnly` asks for the automatic value); the automatic value follows the
// taskbar's light or dark appearance for icon roles and the applications' one for menu roles.

ColorValue GetFontColor(const OrvaneOptions& o, bool DefaultsOnly, bool darkTaskbar);
ColorValue GetBkColor(const OrvaneOptions& o, bool DefaultsOnly, bool darkTaskbar);
ColorValue GetBarBk(const OrvaneOptions& o, bool DefaultsOnly, bool darkTaskbar);
ColorValue GetGreenColor(const OrvaneOptions& o, bool DefaultsOnly, bool darkTaskbar);
ColorValue GetYellowColor(const OrvaneOptions& o, bool DefaultsOnly, bool darkTaskbar);
ColorValue GetRedColor(const OrvaneOptions& o, bool DefaultsOnly, bool darkTaskbar);

constexpr int kLightMenu = 0;
constexpr int kDarkMenu = 1;

// 0 for a light menu, 1 for a dark one.
int GetMenuModeColor(const OrvaneOptions& o, bool darkApps);

// `nForceColorMode` 1 asks for the light highlight, any other positive value for the dark one,
// 0 or less for the one of `menuMode`.
ColorValue GetProcMenuHighlightColor(const OrvaneOptions& o, bool DefaultsOnly, int nForceColorMode,
                                     int menuMode);

// The tray menu's background: a dark grey, or the system's 3D face colour for a light menu.
ColorValue MenuBackgroundColor(int menuMode);

// The icon roles resolved once for one picture (system colours still unresolved).
struct IconColors {
    ColorValue Font = 0;
    ColorValue Background = 0;
    ColorValue BarBackground = 0;
    ColorValue Green = 0;
    ColorValue Yellow = 0;
    ColorValue Red = 0;
    bool operator==(const IconColors&) const = default;
};

IconColors ResolveIconColors(const OrvaneOptions& o, bool darkTaskbar);

}  // namespace orvane
