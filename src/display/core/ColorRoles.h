#pragma once

#include "settings/core/Color.h"
#include "settings/core/Options.h"

namespace orvane {

// The colour roles of the icon and the tray menu. A role is the user's setting unless that is
// automatic (or `DefaultsOnly` asks for the automatic value); the automatic value follows the
// taskbar's light or dark appearance for icon roles and the applications' one for menu roles.

TColor GetFontColor(const TOrvaneOptions& o, bool DefaultsOnly, bool darkTaskbar);
TColor GetBkColor(const TOrvaneOptions& o, bool DefaultsOnly, bool darkTaskbar);
TColor GetBarBk(const TOrvaneOptions& o, bool DefaultsOnly, bool darkTaskbar);
TColor GetGreenColor(const TOrvaneOptions& o, bool DefaultsOnly, bool darkTaskbar);
TColor GetYellowColor(const TOrvaneOptions& o, bool DefaultsOnly, bool darkTaskbar);
TColor GetRedColor(const TOrvaneOptions& o, bool DefaultsOnly, bool darkTaskbar);

constexpr int kLightMenu = 0;
constexpr int kDarkMenu = 1;

// 0 for a light menu, 1 for a dark one.
int GetMenuModeColor(const TOrvaneOptions& o, bool darkApps);

// `nForceColorMode` 1 asks for the light highlight, any other positive value for the dark one,
// 0 or less for the one of `menuMode`.
TColor GetProcMenuHighlighColor(const TOrvaneOptions& o, bool DefaultsOnly, int nForceColorMode,
                                int menuMode);

// The tray menu's background: a dark grey, or the system's 3D face colour for a light menu.
TColor MenuBackgroundColor(int menuMode);

// The icon roles resolved once for one picture (system colours still unresolved).
struct IconColors {
    TColor Font = 0;
    TColor Background = 0;
    TColor BarBackground = 0;
    TColor Green = 0;
    TColor Yellow = 0;
    TColor Red = 0;
    bool operator==(const IconColors&) const = default;
};

IconColors ResolveIconColors(const TOrvaneOptions& o, bool darkTaskbar);

}  // namespace orvane
