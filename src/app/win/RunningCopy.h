#pragma once

#include <windows.h>

#include "app/core/CommandLine.h"
#include "app/win/SingleInstance.h"

namespace orvane::win {

// The message two copies talk through: registered under a name of its own, wParam one of the
// command numbers, lParam 0. The running copy answers kCommandAccepted when it will carry the
// command out, anything else when it will not (it is on its way out, or the message is not one).
UINT RunningCopyMessage();
constexpr LRESULT kCommandAccepted = 0x4F52;

// Sends `command` to the window of class `className` once; true when it accepted.
bool SendToRunningCopy(const wchar_t* className, RunningCopyCommand command);

// How handing a command to the running copy ended.
enum class Handing {
    Accepted,  // the running copy confirmed it
    TookOver,  // the running copy went away meanwhile: this copy now holds the mutex
    NoAnswer,  // the deadline passed with the mutex held and no window that accepted
};

// Sends `command` to the window of class `className`, waiting up to `waitMs` for a window that
// accepts it (a copy that has just started may not have made it yet), and takes the mutex
// over as soon as the running copy lets it go.
Handing HandToRunningCopy(SingleInstance& instance, const wchar_t* className,
                          RunningCopyCommand command, DWORD waitMs);

}  // namespace orvane::win
