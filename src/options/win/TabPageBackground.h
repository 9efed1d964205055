#pragma once

#include <windows.h>

#include "common/win/Handles.h"

namespace orvane::win {

// The look of a tab control's page, for the labels and check boxes that lie on it: with visual
// styles the page is not the dialog's colour, and their default background would show as boxes.
class TabPageBackground {
  public:
    // Takes a fresh picture of the tab control (after a size, DPI or theme change).
    void Renew(HWND tabs);
    // The brush for a control on the page, aligned to the control's place; null for none.
    HBRUSH ForControl(HWND control, HDC dc) const;

  private:
    HWND tabs_ = nullptr;
    UniqueBitmap picture_;
    UniqueBrush brush_;
};

}  // namespace orvane::win
