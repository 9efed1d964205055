#pragma once

#include <windows.h>

namespace orvane::win {

// Moves a window into the work-area corner next to the notification area.
void PlaceNearNotificationArea(HWND window);

// Moves a window that reaches past its monitor's work area back inside it.
void KeepInsideWorkArea(HWND window);

}  // namespace orvane::win
