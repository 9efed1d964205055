#pragma once

#include <windows.h>

namespace orvane::win {

// Effective pixels per inch of the monitor that shows `window` (the nearest monitor when the
// window is off-screen). Falls back to the screen's LOGPIXELSX where GetDpiForMonitor is missing.
int GetMonitorDpi(HWND window);

// The small-icon edge (SM_CXSMICON) at `dpi`; the system's own value where
// GetSystemMetricsForDpi is missing (there the process runs at the system DPI anyway).
int SmallIconSizeForDpi(int dpi);

}  // namespace orvane::win
