#pragma once

#include <windows.h>

namespace orvane::win {

// Moves a window into the work-area corner next to the notification area.
void PlaceNearNotificationArea(HWND window);

}  // namespace orvane::win
