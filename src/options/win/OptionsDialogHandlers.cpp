// The options dialog's handlers for the first four tabs, OK, Apply and Cancel.
#include <windows.h>

#include <commctrl.h>

#include "common/win/MonitorDpi.h"
#include "display/core/ColorRoles.h"
#include "display/win/DarkMode.h"
#include "options/core/FontText.h"
#include "options/core/InternalFontChoice.h"
#include "options/core/OptionsBindings.h"
#include "options/core/OptionsCaptions.h"
#include "options/core/Thresholds.h"
#include "options/win/FontDialog.h"
#include "options/core/OptionsControlIds.h"
#include "options/win/OptionsDialog.h"
#include "processes/core/TrayMenuCommands.h"
#include "settings/core/ColorText.h"
#include "session/win/MonitorSwitchOff.h"

namespace orvane::win {

namespace {

bool IsChecked(HWND box) {
    return ::SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int Selection(HWND combo, int whenNone) {
    const auto i = static_cast<int>(::SendMessageW(combo, CB_GETCURSEL, 0, 0));
    return i >= 0 ? i : whenNone;
}

void Select(HWND combo, int index) {
    ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void SetText(HWND control, const std::wstring& text) {
    ::SetWindowTextW(control, text.c_str());
}

}  // namespace

void OptionsDialog::SetChecked(HWND box, bool checked) {
    ::SendMessageW(box, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void OptionsDialog::FormCreate(bool bDirectToThemes) {
    ShowTab(0);
    const OrvaneOptions& o = host_.Options();
    currentColors_ = ThemeColorsFromOptions(o);
    OptionsControlState s = InitialControlState(o, GetMonitorDpi(host_.MainWindowHandle()));
    // Yellow stays below red and red above yellow from the start.
    TxtYellow.SetMax(s.Red);
    TxtRed.SetMin(s.Yellow);
    WriteControlState(s);
    panelFont_ = o.Font;
    ApplyInternalFontChoice();
    ShowFontName();
    EditMiliChange();
    ApplyDependencies();
    picker_.SetCustomColorsFile(host_.SettingsFile());
    CreateThemesState();
    TakeOwnerOffTaskbar();
    TxtYellowChange();
    UpdateHighLabel();
    if (bDirectToThemes) {
        ShowTab(kThemesTab);
    }
}

// The dialog brings no taskbar button: its owner, the application's own top-level window, is
// made a tool window.
void OptionsDialog::TakeOwnerOffTaskbar() {
    if (!owner_) {
        return;
    }
    const LONG_PTR ex = ::GetWindowLongPtrW(owner_, GWL_EXSTYLE);
    ::SetWindowLongPtrW(owner_, GWL_EXSTYLE, (ex | WS_EX_TOOLWINDOW) & ~LONG_PTR{WS_EX_APPWINDOW});
}

OptionsControlState OptionsDialog::ReadControlState() const {
    OptionsControlState s =
        InitialControlState(host_.Options(), GetMonitorDpi(host_.MainWindowHandle()));
    for (const CheckBinding& b : kCheckBindings) {
        s.*b.State = IsChecked(Control(b.ControlId));
    }
    for (const NumberBinding& b : kNumberBindings) {
        s.*b.State = NumberBox(b.ControlId).Value();
    }
    for (const ChoiceBinding& b : kChoiceBindings) {
        s.*b.State = Selection(Control(b.ControlId), s.*b.State);
    }
    s.HotKeyWord = static_cast<std::uint16_t>(::SendMessageW(HotKeyDefrag, HKM_GETHOTKEY, 0, 0));
    s.Font = panelFont_;
    s.Pending = pending_;
    return s;
}

void OptionsDialog::WriteChecks(const OptionsControlState& s) {
    CheckMonitorTag = 1;  // ticked by the dialog: no portable-device check
    for (const CheckBinding& b : kCheckBindings) {
        SetChecked(Control(b.ControlId), s.*b.State);
    }
    CheckMonitorTag = 0;
}

void OptionsDialog::WriteControlState(const OptionsControlState& s) {
    WriteChecks(s);
    for (const NumberBinding& b : kNumberBindings) {
        NumberBox(b.ControlId).SetValue(s.*b.State);
    }
    for (const ChoiceBinding& b : kChoiceBindings) {
        Select(Control(b.ControlId), s.*b.State);
    }
    ::SendMessageW(HotKeyDefrag, HKM_SETHOTKEY, s.HotKeyWord, 0);
    pending_ = s.Pending;
}

HWND OptionsDialog::Control(int id) const {
    return ::GetDlgItem(Handle(), id);
}

SpinBox& OptionsDialog::NumberBox(int id) const {
    return *spins_.at(id);
}

void OptionsDialog::BtnOkClick(bool closeAfterwards) {
    OrvaneOptions& o = host_.Options();
    const OptionsEffects effects = ApplyControlState(ReadControlState(), o);
    host_.ShowLogCommand(effects.ShowLogCommand);
    if (effects.RemoveProcessLines) {
        host_.RemoveTrayItems(kTagProcessLine);
    }
    if (effects.RemoveMemoryLines) {
        host_.RemoveTrayItems(kTagMemoryLine);
    }
    SetFontColor(o);  // the font carries the effective text colour
    host_.SetSamplingInterval(o.RefreshRate);
    host_.SaveOptions();
    host_.RedrawIcon();
    host_.UpdateShortCut();
    host_.InitDefaultMenu();
    if (closeAfterwards) {
        closed_ = true;
    }
}

void OptionsDialog::BtnCancelClick() {
    closed_ = true;
}

void OptionsDialog::TxtYellowChange() {
    const ThresholdLimits limits = LimitsFromThresholds(TxtYellow.Text(), TxtRed.Text());
    if (limits.YellowMax) {
        TxtYellow.SetMax(*limits.YellowMax);
    }
    if (limits.RedMin) {
        TxtRed.SetMin(*limits.RedMin);
    }
}

void OptionsDialog::TxtRedChange() {
    UpdateHighLabel();
    TxtYellowChange();
}

void OptionsDialog::UpdateHighLabel() {
    SetText(LabelHighMemory, HighMemoryHeading(TxtRed.Value()));
}

void OptionsDialog::EditMiliChange() {
    SetVisible(LabelResetMili, EditMili.Value() != kDefaultRefreshRate);
}

void OptionsDialog::LabelResetMiliLinkClick() {
    EditMili.SetValue(kDefaultRefreshRate);
}

void OptionsDialog::LinkThemesClick() {
    ShowTab(kThemesTab);
}

// The boxes that depend on another are enabled, and cleared, as their parent says.
void OptionsDialog::ApplyDependencies() {
    OptionsControlState s = ReadControlState();
    const OptionsEnables e = orvane::ApplyDependencies(s);
    WriteChecks(s);
    ::EnableWindow(CkShowPage, e.ShowPage);
    ::EnableWindow(CkShowPercSign, e.ShowPercSign);
    WinSpinDefragEveryActive.Enable(e.DefragEvery);
    ::EnableWindow(LabelDefragMinutes, e.DefragEvery);
    for (HWND c : {LabelProcs, LabelProcsUnit, LabelProcessValue, ComboProcessValue,
                   CheckHighlightProcess, CheckShowProcessName, CkUnifyProcs}) {
        ::EnableWindow(c, e.TopProcessControls);
    }
    EditProcs.Enable(e.TopProcessControls);
    EditProcsRam.Enable(e.HighlightAbove);
    ::EnableWindow(LabelRamUnit, e.HighlightAbove);
    ::EnableWindow(CkDisplayHint, e.DisplayHint);
    ::EnableWindow(BtnSetFont, e.SetFont);
}

void OptionsDialog::CkShowPercentageClick() {
    ApplyDependencies();
}

void OptionsDialog::CkShowTopClick() {
    ApplyDependencies();
}

void OptionsDialog::CheckDefragEveryActiveClick() {
    ApplyDependencies();
}

void OptionsDialog::CheckHighlightProcessClick() {
    ApplyDependencies();
}

void OptionsDialog::CheckMonitorClick() {
    if (CheckMonitorTag == 1 || !IsChecked(CheckMonitor)) {
        return;
    }
    if (!orvane::win::CheckMonitorClick(Handle(), host_.MainWindowHandle(), host_.Options())) {
        SetChecked(CheckMonitor, false);
    }
}

// The internal-font box as the main form's monitor allows it.
void OptionsDialog::ApplyInternalFontChoice() {
    const InternalFontChoice choice =
        ChooseInternalFont(host_.Options().InternalFont, GetMonitorDpi(host_.MainWindowHandle()));
    SetText(ckInternalFont, choice.Caption);
    ::EnableWindow(ckInternalFont, choice.Enabled);
    SetVisible(LabelWarningScale, choice.ShowScaleWarning);
}

void OptionsDialog::ShowFontName() {
    const bool internal = IsChecked(ckInternalFont);
    SetText(FontPanel,
            internal ? std::wstring(kCaptionInternalFontName) : FontPanelText(panelFont_));
    const HFONT face = internal ? internalFontFace_.get() : font_.get();
    ::SendMessageW(FontPanel, WM_SETFONT, reinterpret_cast<WPARAM>(face), TRUE);
}

void OptionsDialog::ckInternalFontClick() {
    panelFont_ = host_.Options().Font;  // a font chosen in this opening is dropped
    ShowFontName();
    ApplyDependencies();
}

void OptionsDialog::BtnSetFontClick() {
    if (std::optional<FontSpec> chosen = ChooseIconFont(Handle(), panelFont_)) {
        panelFont_ = *chosen;
        ShowFontName();
    }
    const ColorValue inForce = GetFontColor(host_.Options(), false, IsDarkTheme(true));
    if (panelFont_.Color != inForce) {
        pending_[kEntryFontColor] = ColorToText(panelFont_.Color);
        LbColorsClick();
    }
}

}  // namespace orvane::win
