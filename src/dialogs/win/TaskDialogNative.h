#pragma once

#include <windows.h>

#include <functional>

#include "dialogs/core/TaskDialogConfig.h"

namespace orvane::win {

// What the platform task dialog reported.
struct TaskDialogOutcome {
    bool Shown = false;  // false: the dialog could not be shown
    int Button = 0;
    int RadioButton = 0;  // the selected radio's number, 0 for none
    bool VerificationChecked = false;
};

struct TaskDialogHooks {
    // A clicked link's URL.
    std::function<void(const wchar_t* url)> OnHyperlink;
    // A pressed button's number; false keeps the dialog open.
    std::function<bool(int button)> OnButtonClicked;
};

// True when the system has TaskDialogIndirect (Common Controls 6).
bool IsTaskDialogAvailable();

// Shows `config` modally with TaskDialogIndirect. `width` is the dialog's width in dialog
// units, 0 for the platform's choice.
TaskDialogOutcome ShowNativeTaskDialog(const TaskDialogConfig& config, HWND parent, UINT width,
                                       const TaskDialogHooks& hooks);

// The parent a dialog without an owner gets: the thread's active window, or none.
HWND DefaultDialogParent();

}  // namespace orvane::win
