#pragma once

#include <windows.h>

#include "common/win/Handles.h"

namespace orvane::win {

// A hidden window that owns one modal dialog and is gone with this object. It stands in the
// work-area corner next to the notification area, so the dialog comes up on that monitor.
class TemporaryOwner {
  public:
    TemporaryOwner();
    HWND get() const { return window_.get(); }

  private:
    UniqueWindow window_;
};

}  // namespace orvane::win
