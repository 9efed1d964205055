#pragma once

#include <cstdint>
#include <string>

namespace orvane::win {

// The menu shortcut text of a hotkey value, keys named by the current keyboard layout.
std::wstring HotkeyShortCutText(std::uint32_t hotKey);

}  // namespace orvane::win
