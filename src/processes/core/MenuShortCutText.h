#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace orvane {

// The shortcut text a menu item shows for the low 16 bits of a hotkey value: "Shift+", "Ctrl+",
// "Alt+" (in that order) and the key's name; empty when no key is set. Keys without a fixed
// name are named by `keyName` (the keyboard layout's name of the virtual key).
std::wstring MenuShortCutText(std::uint32_t hotKey,
                              const std::function<std::wstring(unsigned)>& keyName);

}  // namespace orvane
