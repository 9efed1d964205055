#pragma once

#include <cstdint>
#include <string>

#include "hotkeys/core/HotKeyText.h"

namespace orvane::win {

// Key names of the current keyboard layout (MapVirtualKeyW, GetKeyNameTextW).
KeyNameSource SystemKeyNames();

// Takes the localized Shift, Ctrl and Alt names once, when the program starts.
void InitLocalizedModifierNames();
const ModifierNames& LocalizedNames();

// The display text of a hotkey value: with the localized modifier names, or the fixed
// English ones.
std::wstring FormatHotKey(std::uint32_t hotKey, bool localized);

}  // namespace orvane::win
