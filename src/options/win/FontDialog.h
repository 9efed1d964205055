#pragma once

#include <windows.h>

#include <optional>

#include "settings/core/OrvaneOptions.h"

namespace orvane::win {

// The platform's font dialog, starting from `font` (name, size, style, character set and
// colour); the chosen font, or none when the user cancels.
std::optional<FontSpec> ChooseIconFont(HWND owner, const FontSpec& font);

}  // namespace orvane::win
