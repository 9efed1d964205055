#pragma once

#include <windows.h>

namespace orvane::win {

// The pixels per inch a window is drawn at (GetDpiForWindow where it exists, else the DPI of
// the monitor that shows it).
int GetWindowDpi(HWND window);

// The window size for a client size at `dpi`, frame and caption included.
SIZE WindowSizeForClient(SIZE client, DWORD style, DWORD exStyle, int dpi);

// The system's message font (the font of dialogs) at `dpi`; bold when asked.
HFONT CreateMessageFont(int dpi, bool bold = false);

}  // namespace orvane::win
