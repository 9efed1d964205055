#include "options/win/TabPageBackground.h"

namespace orvane::win {

void TabPageBackground::Renew(HWND tabs) {
    tabs_ = tabs;
    brush_.reset();
    picture_.reset();
    RECT r{};
    ::GetClientRect(tabs, &r);
    if (r.right <= 0 || r.bottom <= 0) {
        return;
    }
    const WindowDc screen(tabs);
    UniqueMemoryDc dc(::CreateCompatibleDC(screen.get()));
    picture_.reset(::CreateCompatibleBitmap(screen.get(), r.right, r.bottom));
    {
        SelectObjectGuard select(dc.get(), picture_.get());
        ::SendMessageW(tabs, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()),
                       PRF_CLIENT | PRF_ERASEBKGND);
    }
    brush_.reset(::CreatePatternBrush(picture_.get()));
}

HBRUSH TabPageBackground::ForControl(HWND control, HDC dc) const {
    if (!brush_) {
        return nullptr;
    }
    POINT origin{0, 0};
    ::MapWindowPoints(control, tabs_, &origin, 1);
    ::SetBrushOrgEx(dc, -origin.x, -origin.y, nullptr);
    ::SetBkMode(dc, TRANSPARENT);
    return brush_.get();
}

}  // namespace orvane::win
