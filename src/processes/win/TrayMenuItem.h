#pragma once

#include <memory>
#include <string>

#include "common/win/Handles.h"
#include "processes/core/MenuLine.h"

namespace orvane::win {

// A tray menu item: its model plus what only Windows can hold.
struct TrayMenuItem : MenuLine {
    // A process line's small icon, shared with the icon cache: it lives while either holds it.
    std::shared_ptr<const UniqueIcon> hIcon;
    std::wstring ShortCutText;  // shown in the value column (the defragment hotkey)
    bool IsDefault = false;     // drawn bold
};

}  // namespace orvane::win
