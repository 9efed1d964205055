#pragma once

#include <windows.h>

#include "display/core/ColorRoles.h"

namespace orvane::win {

// True when the major file version of kernel32.dll is 10 or more; read once.
bool IsWindows10OrLater();

// Whether the taskbar (`System` true) or the applications use the dark appearance. Read from
// the current user's theme settings on every call; a missing or unreadable value counts as
// dark. Before Windows 10 the taskbar counts as dark and applications as light.
bool IsDarkTheme(bool System);

// A colour value with a system colour (0xFF0000nn) replaced by its current RGB.
TColor ColorToRgb(TColor c);

// Gives the settings font the digit colour: `FontColor`, or its automatic value.
void SetFontColor(TOrvaneOptions& o);

// The icon roles of the current settings and taskbar appearance, as concrete colours.
IconColors CurrentIconColors(const TOrvaneOptions& o);

}  // namespace orvane::win
