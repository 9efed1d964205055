#pragma once

#include <windows.h>

#include <string>

namespace orvane::win {

// The double-click shortcuts to Windows itself.

// Locks the workstation; nothing when the system lacks LockWorkStation.
void LockWorkStationIfAvailable();

// The shell's Run dialog (shell32's export 61) with a description naming `appName` and the
// icon `icon`, owned by a temporary window near the notification area; returns when it is
// closed. `handle` is the caller's window, which does not own the dialog.
void ShowWindowsRunDialog(const std::wstring& appName, HWND handle, HICON icon);

// The shell's shut-down dialog ("Shell.Application" ShutdownWindows). A COM failure is raised
// as an AppError with the system's text.
void ShowShutdownDialog();

// Shows the desktop with the Windows+D key chord.
void ShowDesktop();

}  // namespace orvane::win
