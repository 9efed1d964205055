#pragma once

#include <windows.h>

#include <commdlg.h>

#include <functional>
#include <optional>

#include "settings/core/OrvaneOptions.h"

namespace orvane::win {

// Shows the font dialog (ChooseFontW); tests put in one that answers for the user.
using FontDialogCall = std::function<BOOL(CHOOSEFONTW* cf)>;

// The platform's font dialog, starting from `font` (name, size, style, character set and
// colour); the chosen font, or none when the user cancels.
std::optional<FontSpec> ChooseIconFont(HWND owner, const FontSpec& font,
                                       const FontDialogCall& call = {});

}  // namespace orvane::win
