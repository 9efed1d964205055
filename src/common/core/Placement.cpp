#include "common/core/Placement.h"

#include <algorithm>

namespace orvane {

TaskbarEdge FindTaskbarEdge(const std::optional<Rect>& taskbar, int screenWidth, int screenHeight) {
    if (!taskbar) {
        return TaskbarEdge::Bottom;
    }
    const Rect& r = *taskbar;
    const int halfW = screenWidth / 2;
    const int halfH = screenHeight / 2;
    if (r.top > halfH && r.right >= screenWidth) {
        return TaskbarEdge::Bottom;
    }
    // A top taskbar is recognised by its bottom edge lying in the left half of the width.
    if (r.top < halfH && r.bottom <= halfW) {
        return TaskbarEdge::Top;
    }
    if (r.left < halfW && r.top <= 0) {
        return TaskbarEdge::Left;
    }
    if (r.left < halfW) {
        return TaskbarEdge::Bottom;
    }
    return TaskbarEdge::Right;
}

Point PlaceNearNotificationArea(TaskbarEdge edge, const Rect& workArea, int width, int height) {
    switch (edge) {
        case TaskbarEdge::Top:
            return {workArea.right - width - 20, workArea.top + 10};
        case TaskbarEdge::Left:
            return {workArea.left + 20, workArea.bottom - height - 20};
        case TaskbarEdge::Bottom:
        case TaskbarEdge::Right:
            break;
    }
    return {workArea.right - width - 20, workArea.bottom - height - 20};
}

Point KeepInside(const Rect& window, const Rect& area) {
    Point p{window.left, window.top};
    p.x = std::max(std::min(p.x, area.right - window.Width()), area.left);
    p.y = std::max(std::min(p.y, area.bottom - window.Height()), area.top);
    return p;
}

}  // namespace orvane
