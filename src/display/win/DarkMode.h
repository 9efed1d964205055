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
ColorValue ColorToRgb(ColorValue c);

// The menu roles with the applications' appearance read now: 0 light, 1 dark; and the
// heavy-process highlight (`nForceColorMode` 1 light, 2 dark, 0 the current mode).
int MenuModeNow(const OrvaneOptions& o);
ColorValue ProcMenuHighlightNow(const OrvaneOptions& o, bool DefaultsOnly, int nForceColorMode);

// Gives the settings font the digit colour: `FontColor`, or its automatic value.
void SetFontColor(OrvaneOptions& o);

// The icon roles of the current settings and taskbar appearance, as concrete colours.
IconColors CurrentIconColors(const OrvaneOptions& o);

}  // namespace orvane::win
