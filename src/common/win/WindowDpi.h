#pragma once

#include <windows.h>

#include "common/win/Handles.h"

namespace orvane::win {

// The pixels per inch a window is drawn at (GetDpiForWindow where it exists, else the DPI of
// the monitor that shows it).
int GetWindowDpi(HWND window);

// The system's non-client metrics (message, caption, menu fonts) as they are at `dpi`: asked
// for that DPI where the system can, else scaled from the system DPI.
NONCLIENTMETRICSW NonClientMetricsForDpi(int dpi);

// The system's message font (the font of dialogs) at `dpi`; bold when asked.
UniqueFont CreateMessageFont(int dpi, bool bold = false);

// The window size for a client size at `dpi`, frame and caption included.
SIZE WindowSizeForClient(SIZE client, DWORD style, DWORD exStyle, int dpi);
// The same for `window`'s own styles.
SIZE WindowSizeForClient(HWND window, SIZE client, int dpi);

}  // namespace orvane::win
