// The options dialog's fifth tab: the pending colour list, its editors and the theme files.
#include <windows.h>

#include <commctrl.h>

#include "display/core/ColorRoles.h"
#include "display/win/DarkMode.h"
#include "options/core/OptionsCaptions.h"
#include "options/core/OptionsControlIds.h"
#include "options/win/OptionsDialog.h"
#include "settings/core/ColorText.h"

namespace orvane::win {

namespace {

constexpr int kPickerWidth = 190;
constexpr int kColorListWidth = 230;
constexpr int kColorListHeight = 150;

}  // namespace

bool OptionsDialog::Transparent() const {
    return ::SendMessageW(CheckTransparent, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void OptionsDialog::SetTransparent(bool on) {
    SetChecked(CheckTransparent, on);
    CheckTransparentClick();
}

bool OptionsDialog::FullBar() const {
    return ::SendMessageW(CheckFullBar, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void OptionsDialog::SetFullBar(bool on) {
    SetChecked(CheckFullBar, on);
}

void OptionsDialog::CreateThemesTab() {
    LabelThemes = AddLabel(4, kCaptionTheme);
    CbThemes =
        AddControl(4, L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, kIdThemes);
    BtnSaveAs = AddControl(4, L"BUTTON", kCaptionSaveAs, BS_PUSHBUTTON | WS_TABSTOP, kIdSaveAs);
    BtnDeleteTheme =
        AddControl(4, L"BUTTON", kCaptionDeleteTheme, BS_PUSHBUTTON | WS_TABSTOP, kIdDeleteTheme);
    LabelColors = AddLabel(4, kCaptionColorItems);
    LbColors =
        AddControl(4, L"LISTBOX", L"", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
                   kIdColorList, WS_EX_CLIENTEDGE);
    CmbForeground =
        AddControl(4, L"COMBOBOX", L"",
                   CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL | WS_TABSTOP,
                   kIdForeground);
    CmbDarkMode = AddCombo(4, kIdDarkMode, {});
    for (const std::wstring_view item : kMenuModeItems) {
        const std::wstring text(item);
        ::SendMessageW(CmbDarkMode, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    LabelTransWarning = AddLabel(4, kNoteTransparent);
    ::SetWindowLongPtrW(
        LabelTransWarning, GWL_STYLE,
        ::GetWindowLongPtrW(LabelTransWarning, GWL_STYLE) & ~LONG_PTR{SS_CENTERIMAGE});
    themesTab_ =
        std::make_unique<ThemesTab>(*this, host_.Paths(), Handle(), CbThemes, BtnDeleteTheme);
}

PageLayout OptionsDialog::ThemesPageLayout() {
    LayoutCell editor = Cell(CmbForeground, CellKind::Fixed, kPickerWidth);
    editor.Overlay = CmbDarkMode;
    editor.Below = LabelTransWarning;
    LayoutRow colors =
        Row({Cell(LbColors, CellKind::Fixed, kColorListWidth, kColorListHeight), editor});
    colors.AlignTop = true;
    PageLayout page;
    page.push_back(
        Row({Cell(LabelThemes, CellKind::Label), Cell(CbThemes, CellKind::Combo, kPickerWidth),
             Cell(BtnSaveAs, CellKind::Button), Cell(BtnDeleteTheme, CellKind::Button)}));
    page.push_back(Row({Cell(LabelColors, CellKind::Label)}, 0, 8));
    page.push_back(colors);
    return page;
}

// Steps 11 to 13 of the dialog's creation: the colour list, the theme entries with the
// current colours chosen, and the first entry shown.
void OptionsDialog::CreateThemesState() {
    for (const std::wstring_view caption : kPendingColorCaptions) {
        const std::wstring text(caption);
        ::SendMessageW(LbColors, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    themesTab_->LoadThemes();
    ::SendMessageW(CbThemes, CB_SETCURSEL,
                   static_cast<WPARAM>(::SendMessageW(CbThemes, CB_FINDSTRINGEXACT, 0,
                                                      reinterpret_cast<LPARAM>(L"当前颜色"))),
                   0);
    themesTab_->CbThemesClick();
    ::SendMessageW(LbColors, LB_SETCURSEL, 0, 0);
    LbColorsClick();
}

int OptionsDialog::PickerEntry() const {
    const auto i = static_cast<int>(::SendMessageW(LbColors, LB_GETCURSEL, 0, 0));
    return i < 0 ? 0 : i;
}

// The default a colour entry's "Automatic" stands for.
ColorValue OptionsDialog::EntryDefault(int entry) const {
    const OrvaneOptions& o = host_.Options();
    const bool dark = IsDarkTheme(true);
    switch (entry) {
        case kEntryTopProcessHighlight:
            return ProcMenuHighlightNow(o, true, MenuModeFromText(pending_[kEntryMenuMode]) + 1);
        case kEntryFontColor:
            return GetFontColor(o, true, dark);
        case kEntryBackgroundColor:
            return GetBkColor(o, true, dark);
        case kEntryBarColor:
            return GetBarBk(o, true, dark);
        case kEntryGreenColor:
            return GetGreenColor(o, true, dark);
        case kEntryYellowColor:
            return GetYellowColor(o, true, dark);
        default:
            return GetRedColor(o, true, dark);
    }
}

void OptionsDialog::LbColorsClick() {
    const int entry = PickerEntry();
    picker_.RebuildItems();
    SetVisible(CmbDarkMode, entry == kEntryMenuMode);
    SetVisible(CmbForeground, entry != kEntryMenuMode);
    SetVisible(LabelTransWarning, false);
    ::EnableWindow(CmbForeground, TRUE);
    if (entry == kEntryMenuMode) {
        ::SendMessageW(CmbDarkMode, CB_SETCURSEL,
                       static_cast<WPARAM>(MenuModeFromText(pending_[kEntryMenuMode]) + 1), 0);
        return;
    }
    picker_.SetDefaultColor(EntryDefault(entry));
    const std::wstring& text = pending_[static_cast<size_t>(entry)];
    if (text == kAutomaticValueText) {
        picker_.SelectAutomatic();
    } else {
        picker_.SelectColor(ColorFromValueText(text));
        CmbForegroundChange();  // the text takes the form the colour texts are written in
    }
    ApplyColorNote();
}

void OptionsDialog::CmbForegroundChange() {
    const int entry = PickerEntry();
    if (entry == kEntryMenuMode) {
        return;
    }
    pending_[static_cast<size_t>(entry)] = picker_.IsAutomatic()
                                               ? std::wstring(kAutomaticValueText)
                                               : ColorToText(picker_.SelectedColor());
}

void OptionsDialog::CmbDarkModeClick() {
    const auto i = static_cast<int>(::SendMessageW(CmbDarkMode, CB_GETCURSEL, 0, 0));
    if (i >= 0) {
        pending_[kEntryMenuMode] = std::to_wstring(i - 1);
    }
}

// The note under the picker for the entry shown: the text colour follows the bar while the
// digits are coloured, and the background is not drawn while it is transparent. Each box speaks
// only for its own entry.
void OptionsDialog::ApplyColorNote() {
    const int entry = PickerEntry();
    HWND box = entry == kEntryFontColor         ? CkDigitsColored
               : entry == kEntryBackgroundColor ? CheckTransparent
                                                : nullptr;
    const bool noted = box && ::SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
    if (noted) {
        const std::wstring note(entry == kEntryFontColor ? kNoteDigitsColored : kNoteTransparent);
        ::SetWindowTextW(LabelTransWarning, note.c_str());
    }
    SetVisible(LabelTransWarning, noted);
    ::EnableWindow(CmbForeground, !noted);
}

// A box's click touches the note only for its own entry; with another entry shown it leaves the
// note hidden and the picker free, whatever the other box says.
void OptionsDialog::CheckTransparentClick() {
    if (PickerEntry() == kEntryBackgroundColor) {
        ApplyColorNote();
        return;
    }
    SetVisible(LabelTransWarning, false);
    ::EnableWindow(CmbForeground, TRUE);
}

void OptionsDialog::CkDigitsColoredClick() {
    if (PickerEntry() == kEntryFontColor) {
        ApplyColorNote();
        return;
    }
    SetVisible(LabelTransWarning, false);
    ::EnableWindow(CmbForeground, TRUE);
}

bool OptionsDialog::OnOwnerDraw(UINT msg, LPARAM lp) {
    if (msg == WM_MEASUREITEM) {
        return picker_.OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lp));
    }
    return picker_.OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
}

void OptionsDialog::OnThemesCommand(int id, int code) {
    if (id == kIdForeground && code == CBN_SELCHANGE) {
        if (picker_.OnSelChange()) {
            CmbForegroundChange();
        }
    } else if (id == kIdThemes && code == CBN_SELCHANGE) {
        themesTab_->CbThemesClick();
    } else if (id == kIdSaveAs && code == BN_CLICKED) {
        themesTab_->BtnSaveAsClick();
    } else if (id == kIdDeleteTheme && code == BN_CLICKED) {
        themesTab_->BtnDeleteThemeClick();
    }
}

}  // namespace orvane::win
