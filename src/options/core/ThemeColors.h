#pragma once

#include "settings/core/Color.h"

namespace orvane {

// The eight colour values a theme carries. -1 stands for automatic: the menu mode that follows
// the applications' appearance, or a colour role's default.
struct ThemeColors {
    int MenuMode = -1;
    ColorValue TopProcessHighlight = kAutomaticColor;
    ColorValue FontColor = kAutomaticColor;
    ColorValue BackgroundColor = kAutomaticColor;
    ColorValue BarColor = kAutomaticColor;
    ColorValue GreenColor = kAutomaticColor;
    ColorValue YellowColor = kAutomaticColor;
    ColorValue RedColor = kAutomaticColor;

    bool operator==(const ThemeColors&) const = default;
};

}  // namespace orvane
