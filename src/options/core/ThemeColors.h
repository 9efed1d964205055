#pragma once

#include "settings/core/Color.h"

namespace orvane {

// The eight colour values a theme carries. -1 stands for automatic: the menu mode that follows
// the applications' appearance, or a colour role's default.
struct TThemeColors {
    int MenuMode = -1;
    TColor TopProcessHighlight = kAutomaticColor;
    TColor FontColor = kAutomaticColor;
    TColor BackgroundColor = kAutomaticColor;
    TColor BarColor = kAutomaticColor;
    TColor GreenColor = kAutomaticColor;
    TColor YellowColor = kAutomaticColor;
    TColor RedColor = kAutomaticColor;

    bool operator==(const TThemeColors&) const = default;
};

}  // namespace orvane
