#pragma once

#include <windows.h>

#include "common/win/Handles.h"

namespace orvane::win {

// The system's non-client metrics (message, caption, menu fonts) as they are at `dpi`: asked
// for that DPI where the system can, else scaled from the system DPI.
NONCLIENTMETRICSW NonClientMetricsForDpi(int dpi);

// The message-box font at `dpi`, for dialogs that lay themselves out per monitor.
UniqueFont CreateMessageFont(int dpi);

// The window size that gives a client area of `clientWidth` x `clientHeight` at `dpi`, frame
// and title bar measured for that DPI where the system can.
SIZE WindowSizeForClient(HWND window, int clientWidth, int clientHeight, int dpi);

}  // namespace orvane::win
