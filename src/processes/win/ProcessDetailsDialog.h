#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "processes/core/MenuLine.h"
#include "processes/win/LineProcessActions.h"

namespace orvane::win {

// Where the dialog's shell actions go; the program uses the defaults (ShellExecuteW).
struct ProcessDetailsShell {
    std::function<void(const std::wstring& url)> OpenWebPage;
    std::function<void(const std::wstring& parameters)> ShowInExplorer;
};

// The details dialog of a process line of the tray menu, and the action the user picks in it.
// `clipboardOwner` owns the copied details; `showPage` is the memory view of fresh snapshots.
void GetAppInfo(const MenuLine& line, bool showPage, HWND clipboardOwner,
                const ProcessDetailsShell& shell = {});

}  // namespace orvane::win
