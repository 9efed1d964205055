#pragma once

#include <windows.h>

#include <string>

#include "dialogs/core/TaskDialogBox.h"

// TaskDialogBox::Execute is defined here: natively through TaskDialogIndirect, or by the
// imitation window where the system lacks it.
namespace orvane::win {

// A notice with the information icon and an OK button. `mainForm` is the program's main
// window, whose caption titles the notice.
int ShowInfoMessage(const std::wstring& AText, HWND mainForm, HWND AParent = nullptr,
                    const std::wstring& AInstruction = {});

// A task dialog with common buttons only; returns the pressed button's number.
int ShowTaskMessage(const std::wstring& AInstruction, const std::wstring& AContent,
                    std::uint32_t ACommonButtons, std::int32_t AIcon, HWND AParent, HWND mainForm,
                    const std::wstring& ATitle = {}, const std::wstring& AFooter = {},
                    std::int32_t AFooterIcon = tfiBlank, int AWidth = 0);

}  // namespace orvane::win
