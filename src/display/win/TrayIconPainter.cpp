#include "display/win/TrayIconPainter.h"

#include "common/win/MonitorDpi.h"
#include "common/win/UserLocale.h"
#include "display/core/IconPicture.h"
#include "display/win/DarkMode.h"

namespace orvane::win {

int TrayDpi(HWND fallback) {
    const HWND taskbar = ::FindWindowW(L"Shell_TrayWnd", nullptr);
    return GetMonitorDpi(taskbar ? taskbar : fallback);
}

TrayIconPainter::TrayIconPainter() : separators_(UserNumberSeparators()) {
    SetMetrics(dpi_, iconSize_);
}

void TrayIconPainter::SetMetrics(int dpi, int iconSize) {
    dpi_ = dpi;
    iconSize_ = iconSize;
    iconBitmap_.Resize(iconSize_, iconSize_, kTransparentKey);
}

void TrayIconPainter::InitVisualSettings(HWND mainWindow) {
    const int dpi = TrayDpi(mainWindow);
    SetMetrics(dpi, SmallIconSizeForDpi(dpi));
    separators_ = UserNumberSeparators();
}

bool TrayIconPainter::DrawPreview(const OrvaneOptions& o, const MemorySnapshot& s,
                                  std::wstring& lastDrawText, bool haveSummary) {
    const IconText text = MakeIconText(o, s, separators_, dpi_);
    if (!TakeRedraw(lastDrawText, text.Drawn, haveSummary)) {
        return false;
    }
    const IconColors colours = CurrentIconColors(o);
    DrawIconPicture(iconBitmap_, o, s.MemoryLoad, text, colours, dpi_, strips_, glyphBitmap_);
    if (!text.StripPath) {
        fontDigits_.Draw(iconBitmap_, o, text.Drawn, DigitColor(o, colours, s.MemoryLoad), dpi_);
    }
    return true;
}

UniqueIcon TrayIconPainter::MakeIcon() {
    return iconMaker_.Make(iconBitmap_);
}

}  // namespace orvane::win
