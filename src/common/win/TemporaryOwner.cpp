#include "common/win/TemporaryOwner.h"

#include "common/core/DpiScale.h"
#include "common/win/MonitorDpi.h"
#include "common/win/PlaceWindow.h"

namespace orvane::win {

namespace {
// The size of an empty form at 96 DPI.
constexpr int kWidth = 320;
constexpr int kHeight = 240;
}  // namespace

TemporaryOwner::TemporaryOwner() {
    const int dpi = GetMonitorDpi(nullptr);
    window_.reset(::CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0,
                                    ScaleByDpi(kWidth, dpi), ScaleByDpi(kHeight, dpi), nullptr,
                                    nullptr, ::GetModuleHandleW(nullptr), nullptr));
    if (window_) {
        PlaceNearNotificationArea(window_.get());
    }
}

}  // namespace orvane::win
