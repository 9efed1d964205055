#pragma once

#include <string>

#include "common/win/Handles.h"
#include "processes/core/MenuLine.h"

namespace orvane::win {

// A tray menu item: its model plus what only Windows can hold.
struct TMenuItemEx : MenuLine {
    UniqueIcon hIcon;           // a process line's small icon, owned by the item
    std::wstring ShortCutText;  // shown in the value column (the defragment hotkey)
    bool IsDefault = false;     // drawn bold
};

}  // namespace orvane::win
