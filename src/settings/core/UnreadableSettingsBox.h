#pragma once

#include <string>

#include "dialogs/core/MessageBoxBuilder.h"

namespace orvane {

// The notice shown once when the settings file exists but could not be read: the program runs
// on the defaults and leaves the file alone.
MessageBoxBuilder UnreadableSettingsBox(const std::wstring& path);

}  // namespace orvane
