#pragma once

#include <string>

#include "settings/core/OrvaneOptions.h"

namespace orvane {

// How the dialog names a font: name + ", " + size + "pt".
std::wstring FontPanelText(const FontSpec& font);

}  // namespace orvane
