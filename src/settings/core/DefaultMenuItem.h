#pragma once

#include <cstdint>

namespace orvane {

// The tray-menu command shown in bold as the double-click's default.
enum class DefaultMenuItem { None, LaunchTaskManager, Defragment, Settings };

// The default item for a DoubleClickAction: only the actions that are also menu commands mark
// one (0 Task Manager, 1 trim memory, 3 settings).
constexpr DefaultMenuItem DefaultMenuItemFor(std::int32_t doubleClickAction) {
    switch (doubleClickAction) {
        case 0:
            return DefaultMenuItem::LaunchTaskManager;
        case 1:
            return DefaultMenuItem::Defragment;
        case 3:
            return DefaultMenuItem::Settings;
        default:
            return DefaultMenuItem::None;
    }
}

}  // namespace orvane
