#include "display/win/MenuBackground.h"

#include "display/core/ColorRoles.h"
#include "display/win/DarkMode.h"

namespace orvane::win {

void MenuBackground::InitBgMenu(HMENU menu, const OrvaneOptions& o) {
    const ColorValue colour = ColorToRgb(MenuBackgroundColor(MenuModeNow(o)));
    UniqueBrush brush(::CreateSolidBrush(static_cast<COLORREF>(colour)));
    if (!brush) {
        return;
    }
    MENUINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = MIM_BACKGROUND;
    info.hbrBack = brush.get();
    if (menu) {
        ::SetMenuInfo(menu, &info);
    }
    // The menu holds the new brush now; the old one may go.
    brush_ = std::move(brush);
}

}  // namespace orvane::win
