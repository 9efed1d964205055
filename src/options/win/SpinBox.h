#pragma once

#include <windows.h>

#include <string>

#include "options/core/SpinRange.h"

namespace orvane::win {

// A whole-number box: an edit with an up-down control beside it. The arrows move by the
// range's step within the bounds; a typed value is pulled back into them when the box loses
// focus, and a text that is not a number becomes the minimum.
class SpinBox {
  public:
    // `readOnly` boxes change only through their arrows.
    void Create(HWND parent, int editId, const SpinRange& range, bool readOnly);

    HWND Edit() const { return edit_; }
    HWND UpDown() const { return upDown_; }
    // Up-down width at the current layout.
    void Place(int x, int y, int width, int height, int arrowsWidth);

    std::wstring Text() const;
    // The value the text stands for, within the bounds.
    int Value() const;
    void SetValue(int value);
    void SetMin(int min);
    void SetMax(int max);
    const SpinRange& Range() const { return range_; }
    // Puts the value the text stands for back into the edit (when focus leaves it).
    void Normalize();
    void Enable(bool enabled);

  private:
    void ApplyRange();

    HWND edit_ = nullptr;
    HWND upDown_ = nullptr;
    SpinRange range_;
};

}  // namespace orvane::win
