#pragma once

#include <string>

#include "dialogs/core/MsgBox.h"

namespace orvane {

// The notice shown once when the settings file exists but could not be read: the program runs
// on the defaults and leaves the file alone.
TMsgBox UnreadableSettingsBox(const std::wstring& path);

}  // namespace orvane
