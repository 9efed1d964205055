#pragma once

#include <windows.h>

#include <string>

#include "common/core/LocaleFormat.h"
#include "common/win/Handles.h"
#include "display/core/DigitStrips.h"
#include "display/core/PixelBuffer.h"
#include "display/win/FontDigits.h"
#include "display/win/IconBitmap.h"
#include "monitor/core/MemorySnapshot.h"
#include "settings/core/OrvaneOptions.h"

namespace orvane::win {

// The tray icon's picture with its size and strips. One DPI, that of the monitor that shows the
// notification area, decides both the icon size and the strip.
class TrayIconPainter {
  public:
    TrayIconPainter();
    // The user's number separators, read again by every InitVisualSettings.
    const NumberSeparators& Separators() const { return separators_; }

    // Re-reads DPI, icon size and number separators.
    void InitVisualSettings(HWND mainWindow);

    // Draws the picture when its text differs from `lastDrawText` (then remembered there), or
    // when `haveSummary` is false (no memory summary kept yet). True exactly when it drew.
    bool DrawPreview(const OrvaneOptions& o, const MemorySnapshot& s, std::wstring& lastDrawText,
                     bool haveSummary);

    // The picture as an icon for the tray; the caller owns it.
    UniqueIcon MakeIcon();

    int IconSize() const { return iconSize_; }
    int Dpi() const { return dpi_; }
    const PixelBuffer& IconBitmap() const { return iconBitmap_; }

  private:
    void SetMetrics(int dpi, int iconSize);

    int dpi_ = 96;
    int iconSize_ = 16;
    NumberSeparators separators_;
    DigitStrips strips_;
    PixelBuffer iconBitmap_;
    PixelBuffer glyphBitmap_;
    FontDigitsPainter fontDigits_;
    IconMaker iconMaker_;
};

// The DPI of the monitor that shows the notification area, or `fallback`'s when there is no
// taskbar window.
int TrayDpi(HWND fallback);

}  // namespace orvane::win
