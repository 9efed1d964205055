#include "options/win/ColorPicker.h"

#include <algorithm>
#include <utility>

#include "common/core/AppError.h"
#include "common/core/DpiScale.h"
#include "common/win/CommonDialogs.h"
#include "common/win/Handles.h"
#include "common/win/MonitorDpi.h"
#include "options/core/PickerColors.h"
#include "settings/win/ProfileFile.h"

namespace orvane::win {

namespace {

COLORREF ToColorRef(ColorValue color) {
    return IsSystemColor(color) ? ::GetSysColor(SystemColorIndex(color))
                                : static_cast<COLORREF>(color) & 0xFFFFFFu;
}

std::wstring_view ItemName(std::size_t item) {
    if (item == kPickerAutomaticItem) {
        return kPickerAutomaticName;
    }
    if (item == kPickerCustomItem) {
        return kPickerCustomName;
    }
    return NamedPickerColors()[item - 1].Name;
}

}  // namespace

void ColorPicker::Attach(HWND combo) {
    combo_ = combo;
    RebuildItems();
    UpdateItemHeight();
}

void ColorPicker::SetCustomColorsFile(std::wstring path) {
    customColorsFile_ = std::move(path);
}

void ColorPicker::RebuildItems() {
    ::SendMessageW(combo_, CB_RESETCONTENT, 0, 0);
    for (std::size_t item = 0; item < kPickerItemCount; ++item) {
        const std::wstring name(ItemName(item));
        ::SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
    Select(selected_);
}

int ColorPicker::ItemHeight() const {
    auto font = reinterpret_cast<HFONT>(::SendMessageW(combo_, WM_GETFONT, 0, 0));
    if (!font) {
        font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    }
    const WindowDc dc(combo_);
    const SelectObjectGuard select(dc.get(), font);
    TEXTMETRICW tm{};
    ::GetTextMetricsW(dc.get(), &tm);
    return tm.tmHeight + ScaleByDpi(4, GetMonitorDpi(combo_));
}

void ColorPicker::UpdateItemHeight() {
    const int height = ItemHeight();
    ::SendMessageW(combo_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height);
    ::SendMessageW(combo_, CB_SETITEMHEIGHT, 0, height);
}

void ColorPicker::SetDefaultColor(ColorValue color) {
    default_ = color;
    ::InvalidateRect(combo_, nullptr, TRUE);
}

void ColorPicker::SelectAutomatic() {
    Select(kPickerAutomaticItem);
}

void ColorPicker::SelectColor(ColorValue color) {
    custom_ = color;
    Select(PickerItemOfColor(color));
}

void ColorPicker::Select(std::size_t item) {
    selected_ = item;
    ::SendMessageW(combo_, CB_SETCURSEL, item, 0);
    ::InvalidateRect(combo_, nullptr, TRUE);
}

bool ColorPicker::IsAutomatic() const {
    return selected_ == kPickerAutomaticItem;
}

ColorValue ColorPicker::SelectedColor() const {
    return selected_ == kPickerAutomaticItem ? kAutomaticColor : ItemColor(selected_);
}

ColorValue ColorPicker::ItemColor(std::size_t item) const {
    if (item == kPickerAutomaticItem) {
        return default_;
    }
    if (item == kPickerCustomItem) {
        return custom_ == kAutomaticColor ? default_ : custom_;
    }
    return NamedPickerColors()[item - 1].Value;
}

std::size_t ColorPicker::CurrentItem() const {
    const LRESULT item = ::SendMessageW(combo_, CB_GETCURSEL, 0, 0);
    return item >= 0 && static_cast<std::size_t>(item) < kPickerItemCount
               ? static_cast<std::size_t>(item)
               : selected_;
}

bool ColorPicker::OnMeasureItem(MEASUREITEMSTRUCT& item) const {
    if (!combo_ || item.CtlType != ODT_COMBOBOX ||
        item.CtlID != static_cast<UINT>(::GetDlgCtrlID(combo_))) {
        return false;
    }
    item.itemHeight = static_cast<UINT>(ItemHeight());
    return true;
}

bool ColorPicker::OnDrawItem(const DRAWITEMSTRUCT& item) const {
    if (!combo_ || item.hwndItem != combo_) {
        return false;
    }
    const HDC dc = item.hDC;
    const bool disabled = (item.itemState & ODS_DISABLED) || !::IsWindowEnabled(combo_);
    const bool selected = (item.itemState & ODS_SELECTED) && !disabled;
    ::FillRect(dc, &item.rcItem, ::GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (item.itemID < kPickerItemCount) {
        const int pad = ScaleByDpi(2, GetMonitorDpi(combo_));
        const int height = item.rcItem.bottom - item.rcItem.top - 2 * pad;
        RECT swatch{item.rcItem.left + 2 * pad, item.rcItem.top + pad, 0, item.rcItem.bottom - pad};
        swatch.right = swatch.left + std::max(height * 3 / 2, 4 * pad);
        const ColorValue color = ItemColor(item.itemID);
        if (disabled || color == kAutomaticColor) {
            ::FillRect(dc, &swatch, ::GetSysColorBrush(COLOR_BTNFACE));
        } else {
            const UniqueBrush fill(::CreateSolidBrush(ToColorRef(color)));
            ::FillRect(dc, &swatch, fill.get());
        }
        ::FrameRect(dc, &swatch, ::GetSysColorBrush(disabled ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT));

        auto font = reinterpret_cast<HFONT>(::SendMessageW(combo_, WM_GETFONT, 0, 0));
        const SelectObjectGuard select(dc, font ? font : ::GetStockObject(DEFAULT_GUI_FONT));
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, ::GetSysColor(disabled   ? COLOR_GRAYTEXT
                                         : selected ? COLOR_HIGHLIGHTTEXT
                                                    : COLOR_WINDOWTEXT));
        RECT text = item.rcItem;
        text.left = swatch.right + 3 * pad;
        const std::wstring_view name = ItemName(item.itemID);
        ::DrawTextW(dc, name.data(), static_cast<int>(name.size()), &text,
                    DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        ::DrawFocusRect(dc, &item.rcItem);
    }
    return true;
}

bool ColorPicker::OnSelChange() {
    const std::size_t item = CurrentItem();
    if (item == kPickerCustomItem && !ChooseCustomColor()) {
        Select(selected_);
        return false;
    }
    Select(item);
    return true;
}

bool ColorPicker::ChooseCustomColor() {
    const CustomColors before = LoadCustomColors();
    COLORREF custom[kCustomColorCount];
    std::transform(before.begin(), before.end(), custom, ToColorRef);
    CHOOSECOLORW cc{};
    cc.lStructSize = sizeof(cc);
    cc.hwndOwner = ::GetAncestor(combo_, GA_ROOT);
    cc.rgbResult = ToColorRef(ItemColor(kPickerCustomItem));
    cc.lpCustColors = custom;
    cc.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR;
    const bool chosen = ChooseColorDialog(&cc) != FALSE;
    // The user may have changed the custom colours even when cancelling.
    CustomColors after;
    std::transform(custom, custom + kCustomColorCount, after.begin(),
                   [](COLORREF c) { return static_cast<ColorValue>(c & 0xFFFFFFu); });
    if (after != before) {
        SaveCustomColors(after);
    }
    if (chosen) {
        custom_ = static_cast<ColorValue>(cc.rgbResult & 0xFFFFFFu);
    }
    return chosen;
}

CustomColors ColorPicker::LoadCustomColors() const {
    const std::wstring stored = customColorsFile_.empty()
                                    ? std::wstring()
                                    : ProfileFile(customColorsFile_)
                                          .ReadString(kCustomColorsSection, kCustomColorsKey, L"");
    return stored.empty() ? customColors_ : DecodeCustomColors(stored);
}

void ColorPicker::SaveCustomColors(const CustomColors& colors) {
    customColors_ = colors;
    if (customColorsFile_.empty()) {
        return;
    }
    try {
        ProfileFile(customColorsFile_)
            .WriteString(kCustomColorsSection, kCustomColorsKey, EncodeCustomColors(colors));
    } catch (const AppError&) {
        // Only the dialog's palette is lost; an unwritable settings file is reported when the
        // settings are saved.
    }
}

}  // namespace orvane::win
