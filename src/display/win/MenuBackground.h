#pragma once

#include <windows.h>

#include "common/win/Handles.h"
#include "settings/core/OrvaneOptions.h"

namespace orvane::win {

// The tray menu's background brush: dark grey for a dark menu, the 3D face colour otherwise.
class MenuBackground {
  public:
    // Gives `menu` a brush of the current menu mode's background colour.
    void InitBgMenu(HMENU menu, const OrvaneOptions& o);
    HBRUSH Brush() const { return brush_.get(); }

  private:
    UniqueBrush brush_;
};

}  // namespace orvane::win
