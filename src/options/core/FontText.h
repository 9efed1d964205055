#pragma once

#include <string>

#include "settings/core/Options.h"

namespace orvane {

// How the dialog names a font: name + ", " + size + "pt".
std::wstring FontPanelText(const TFontSpec& font);

}  // namespace orvane
