#pragma once

#include <functional>
#include <string>

#include "dialogs/core/MessageBoxBuilder.h"
#include "settings/core/OrvaneOptions.h"

namespace orvane {

// The low-memory dialog's buttons. Their numbers differ from the dismissal result (2), so
// closing the dialog by Escape or the close box is never taken for a button.
inline constexpr int kLowMemoryDefragButton = 101;
inline constexpr int kLowMemoryTaskManagerButton = 102;
inline constexpr int kLowMemoryCloseButton = 103;

// The dialog: the warning as instruction and content, the warning icon, the check box bound to
// `dontShowAgain`, and the three buttons, none of them the default.
MessageBoxBuilder LowMemoryDialogBox(const std::wstring& title, const std::wstring& text,
                                     bool* dontShowAgain);

// What the dialog needs of the program.
struct LowMemoryDialogActions {
    std::function<void()> ForceForeground;
    std::function<int(MessageBoxBuilder& box)> Execute;  // shows the box, returns the result
    std::function<void()> TrimAllWorkingSets;
    std::function<void()> LaunchTaskManager;
};

// Shows the dialog and acts on the answer: "整理内存" trims unless the working sets were
// already trimmed (DefragOnHighMemory), "任务管理器" starts Task Manager, anything else does
// nothing. WarnMsgBox becomes the opposite of the check box, whatever the answer.
void RunLowMemoryDialog(OrvaneOptions& options, const std::wstring& title, const std::wstring& text,
                        const LowMemoryDialogActions& actions);

}  // namespace orvane
