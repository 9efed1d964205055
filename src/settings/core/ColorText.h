#pragma once

#include <string>
#include <string_view>

#include "settings/core/Color.h"

namespace orvane {

// The name of a system colour ("ScrollBar" .. "InfoBackground"), or empty for any other value.
std::wstring_view SystemColorName(ColorValue color);

// A colour as the settings and theme files store it: a system-colour name, or six hexadecimal
// digits in the order red, green, blue. -1 gives "FFFFFF"; writers store automatic themselves.
std::wstring ColorToText(ColorValue color);

// Reads a colour text: an optional "#", then a system-colour name (case-sensitive) or three
// hexadecimal pairs red, green, blue (anything after them is ignored). -1 when unreadable.
ColorValue TextToColor(std::wstring_view text);

}  // namespace orvane
