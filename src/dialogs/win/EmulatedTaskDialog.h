#pragma once

#include <windows.h>

#include "dialogs/core/TaskDialog.h"
#include "dialogs/core/TaskDialogConfig.h"

namespace orvane::win {

// Shows `spec` in a modal window of its own that imitates a task dialog: caption,
// instruction, content, icon, buttons, check box and footer, with the same button numbers.
// `width` is in dialog units (0: a default). `verifyChecked` receives the check box state.
int ShowEmulatedTaskDialog(const TaskDialogConfig& spec, HWND parent, UINT width,
                           const TTaskDialogButtonClicked& onButtonClicked, bool& verifyChecked);

}  // namespace orvane::win
