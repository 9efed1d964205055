#pragma once

#include <optional>

#include "common/core/Geometry.h"

namespace orvane {

enum class TaskbarEdge { Bottom, Top, Left, Right };

// Which screen edge the taskbar sits on; no taskbar window counts as the bottom.
TaskbarEdge FindTaskbarEdge(const std::optional<Rect>& taskbar, int screenWidth, int screenHeight);

// Top-left corner for a window of the given size in the work-area corner next to the
// notification area.
Point PlaceNearNotificationArea(TaskbarEdge edge, const Rect& workArea, int width, int height);

// Top-left corner that moves `window` as little as possible to lie inside `area`; a window
// larger than the area keeps its top-left edge in it.
Point KeepInside(const Rect& window, const Rect& area);

}  // namespace orvane
