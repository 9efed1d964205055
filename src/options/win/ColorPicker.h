#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

#include "options/core/CustomColors.h"
#include "settings/core/Color.h"

namespace orvane::win {

// A colour drop-down on a combo box the owner creates with CBS_DROPDOWNLIST |
// CBS_OWNERDRAWFIXED | CBS_HASSTRINGS. Each item shows a swatch and a name: "Automatic" (the
// role's default colour, standing for -1), the 16 basic colours, the 25 system colours, and
// "Custom...", which holds any other colour and picks one through the system's colour dialog.
// The owner forwards WM_MEASUREITEM, WM_DRAWITEM and the combo's CBN_SELCHANGE.
class ColorPicker {
  public:
    // Takes over the combo: fills its items and sizes them for its font.
    void Attach(HWND combo);
    HWND Handle() const { return combo_; }

    // The settings file whose section "自定义颜色" keeps the colour dialog's custom colours.
    void SetCustomColorsFile(std::wstring path);

    // Fills the items anew and selects what was selected before.
    void RebuildItems();
    // Sizes the items for the combo's current font (after a font or DPI change).
    void UpdateItemHeight();

    // The colour the "Automatic" item shows.
    void SetDefaultColor(ColorValue color);

    void SelectAutomatic();
    // Selects the item of `color` ("Automatic" for -1), else "Custom...". The "Custom..." item
    // takes `color` either way.
    void SelectColor(ColorValue color);

    bool IsAutomatic() const;
    // The selected colour; -1 while "Automatic" is selected.
    ColorValue SelectedColor() const;
    ColorValue CustomColor() const { return custom_; }

    bool OnMeasureItem(MEASUREITEMSTRUCT& item) const;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) const;
    // The user changed the selection. For "Custom..." the colour dialog runs; true when the
    // user's choice stands, false when the dialog was cancelled and the previous item is back.
    bool OnSelChange();

  private:
    int ItemHeight() const;
    void Select(std::size_t item);
    std::size_t CurrentItem() const;
    ColorValue ItemColor(std::size_t item) const;
    bool ChooseCustomColor();
    CustomColors LoadCustomColors() const;
    void SaveCustomColors(const CustomColors& colors);

    HWND combo_ = nullptr;
    std::wstring customColorsFile_;
    // Kept for the run when there is no settings file to keep them in.
    CustomColors customColors_ = EmptyCustomColors();
    ColorValue default_ = kAutomaticColor;
    ColorValue custom_ = kAutomaticColor;
    std::size_t selected_ = 0;
};

}  // namespace orvane::win
