#pragma once

#include <windows.h>

#include <optional>

#include "settings/core/Options.h"

namespace orvane::win {

// The platform's font dialog, starting from `font` (name, size, style, character set and
// colour); the chosen font, or none when the user cancels.
std::optional<TFontSpec> ChooseIconFont(HWND owner, const TFontSpec& font);

}  // namespace orvane::win
