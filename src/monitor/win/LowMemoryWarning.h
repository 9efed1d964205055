#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "settings/core/OrvaneOptions.h"

namespace orvane::win {

// Brings the program to the foreground so that its next window is shown in front, then makes
// `window` the foreground window. Neither clicks nor moves the user's pointer.
void ForceForeground(HWND window);

// The low-memory dialog: brought to the front, shown without an owner, and its answer acted
// on through `trim` and `launchTaskManager`; WarnMsgBox follows its check box.
void ShowLowMemoryDialog(OrvaneOptions& options, const std::wstring& title,
                         const std::wstring& text, const std::function<void()>& trim,
                         const std::function<void()>& launchTaskManager);

}  // namespace orvane::win
