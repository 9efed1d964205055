#pragma once

#include <windows.h>

#include "dialogs/core/TaskDialogBox.h"
#include "dialogs/core/TaskDialogConfig.h"

namespace orvane::win {

// Shows `config` in a modal window of its own that imitates a task dialog: caption,
// instruction, content, icon, buttons, check box and footer, with the same button numbers.
// `width` is in dialog units (0: a default). `verifyChecked` receives the check box state.
int ShowEmulatedTaskDialog(const TaskDialogConfig& config, HWND parent, UINT width,
                           const TaskDialogButtonClicked& onButtonClicked, bool& verifyChecked);

}  // namespace orvane::win
