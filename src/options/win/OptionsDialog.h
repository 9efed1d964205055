#pragma once

#include <windows.h>

#include <array>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "common/win/Handles.h"
#include "common/win/Window.h"
#include "options/core/OptionsControlState.h"
#include "options/core/ThemeColors.h"
#include "options/win/DialogLayout.h"
#include "options/win/ColorPicker.h"
#include "options/win/OptionsHost.h"
#include "options/win/SpinBox.h"
#include "options/win/TabPageBackground.h"
#include "options/win/ThemesTab.h"

namespace orvane::win {

// The options dialog: five tabs of controls bound to the settings; OK and Apply write them
// back and bring the running program up to date. Created anew for every opening.
class OptionsDialog : public Window, public ThemesTabHost {
  public:
    static constexpr const wchar_t* kClassName = L"TFrmOptions";

    explicit OptionsDialog(OptionsHost& host);
    ~OptionsDialog() override;

    // Creates the (hidden) window and runs FormCreate; false when no window could be made.
    bool Create(HWND owner, bool bDirectToThemes);
    // Shows the dialog modally; returns when it has closed. The message loop keeps running.
    void ShowModal();
    void BringToFront();
    bool Closed() const { return closed_; }
    int ActiveTab() const;
    void ShowTab(int tab);
    // Fonts and places for `dpi` pixels per inch (on creation and when the monitor changes).
    void ApplyDpi(int dpi);

    // Handlers, public so that tests and the message dispatch reach them.
    void FormCreate(bool bDirectToThemes);
    void FormShow();
    void BtnOkClick(bool closeAfterwards);
    void BtnCancelClick();
    void TxtYellowChange();
    void TxtRedChange();
    void UpdateHighLabel();
    void EditMiliChange();
    void LabelResetMiliLinkClick();
    void LinkThemesClick();
    void CkShowPercentageClick();
    void CkShowTopClick();
    void CheckDefragEveryActiveClick();
    void CheckHighlightProcessClick();
    void CheckMonitorClick();
    void BtnSetFontClick();
    void ckInternalFontClick();
    void CheckTransparentClick();
    void CkDigitsColoredClick();
    void LbColorsClick() override;
    void CmbForegroundChange();
    void CmbDarkModeClick();

    // The controls as plain values, and back.
    OptionsControlState ReadControlState() const;
    void WriteControlState(const OptionsControlState& s);

    // The colours at the dialog's creation, and the pending colour texts.
    const ThemeColors& CurrentColors() const override { return currentColors_; }
    PendingColorTexts& Pending() override { return pending_; }

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    // Window and layout.
    void CreateControls();
    void CreateGeneralTab();
    void CreateExtraTab();
    void CreateTrayMenuTab();
    void CreateDisplayTab();
    void CreateThemesTab();
    void CreateButtons();
    PageLayout ThemesPageLayout();
    void CreateThemesState();
    HWND AddControl(int tab, const wchar_t* cls, std::wstring_view text, DWORD style, int id = 0,
                    DWORD exStyle = 0);
    HWND AddCheck(int tab, std::wstring_view text, int id);
    HWND AddLabel(int tab, std::wstring_view text, bool heading = false);
    HWND AddCombo(int tab, int id, std::initializer_list<std::wstring_view> items);
    void AddSpin(int tab, SpinBox& box, int id, const SpinRange& range, bool readOnly);
    std::array<PageLayout, 5> PageLayouts();
    void Relayout();
    void SetVisible(HWND control, bool visible);
    void OnDpiChanged(WPARAM wp, LPARAM lp);
    LRESULT OnControlColor(UINT msg, WPARAM wp, LPARAM lp);

    // Message dispatch.
    void OnCommand(int id, int code, HWND control);
    void OnCheckClick(int id);
    void OnNotify(const NMHDR& nm);
    bool PreTranslate(MSG& m);

    // Pieces of the handlers.
    void ApplyDependencies();
    void SetChecked(HWND box, bool checked);
    void WriteChecks(const OptionsControlState& s);
    HWND Control(int id) const;
    SpinBox& NumberBox(int id) const;
    void ShowFontName();
    void ApplyInternalFontChoice();
    void ApplyColorNote();
    int PickerEntry() const;
    ColorValue EntryDefault(int entry) const;
    bool OnOwnerDraw(UINT msg, LPARAM lp);
    void OnThemesCommand(int id, int code);
    // The theme operations' view of the dialog.
    bool Transparent() const override;
    void SetTransparent(bool on) override;
    bool FullBar() const override;
    void SetFullBar(bool on) override;
    void TakeOwnerOffTaskbar();

    OptionsHost& host_;
    HWND owner_ = nullptr;
    bool closed_ = false;
    int dpi_ = 96;
    UniqueFont font_;
    UniqueFont headingFont_;
    UniqueFont internalFontFace_;
    FontSpec panelFont_;  // PnlFont: the chosen font, colour included
    std::array<std::vector<HWND>, 5> pages_;
    std::vector<HWND> headings_;
    std::set<HWND> hidden_;          // page controls their handlers hid
    std::map<int, SpinBox*> spins_;  // the number boxes by control ID
    TabPageBackground pageBackground_;
    ThemeColors currentColors_;
    PendingColorTexts pending_ = PendingDefaults();
    ColorPicker picker_;
    std::unique_ptr<ThemesTab> themesTab_;

  public:
    // The controls, named as the program's documentation names them.
    HWND Tabs = nullptr;
    HWND BtnOk = nullptr;
    HWND BtnCancel = nullptr;
    HWND btnApply = nullptr;
    // General.
    HWND CkShowPage = nullptr, CkShowFree = nullptr, CkShowPercentage = nullptr;
    HWND LabelWarnings = nullptr, LabelBarColors = nullptr, LabelYellow = nullptr,
         LabelYellowUnit = nullptr, LabelRed = nullptr, LabelRedUnit = nullptr;
    SpinBox TxtYellow, TxtRed;
    HWND LinkThemes = nullptr, LabelHighMemory = nullptr;
    HWND CkWarn = nullptr, CheckDefragOnHighMem = nullptr, CkWarnMsgBox = nullptr,
         CkLogFile = nullptr;
    // Extra.
    HWND LabelTimedDefrag = nullptr, CheckDefragEveryActive = nullptr, LabelDefragMinutes = nullptr;
    SpinBox WinSpinDefragEveryActive;
    HWND LabelHotKey = nullptr, HotKeyDefrag = nullptr, LabelHotKeyNote = nullptr,
         LabelAdvanced = nullptr;
    HWND LabelMili = nullptr, LabelMiliUnit = nullptr, LabelMillisecondsNote = nullptr,
         LabelResetMili = nullptr;
    SpinBox EditMili;
    HWND LabelDoubleClick = nullptr, CmbDoubleClick = nullptr, CheckMonitor = nullptr;
    // Tray menu.
    HWND LabelProcesses = nullptr, CkShowTop = nullptr, LabelProcs = nullptr,
         LabelProcsUnit = nullptr;
    SpinBox EditProcs, EditProcsRam;
    HWND LabelProcessValue = nullptr, ComboProcessValue = nullptr;
    HWND CheckHighlightProcess = nullptr, LabelRamUnit = nullptr;
    HWND CheckShowProcessName = nullptr, CkUnifyProcs = nullptr, LabelMore = nullptr;
    HWND CkShowMemMenu = nullptr, CkDisplayHint = nullptr;
    // Display.
    HWND LabelFont = nullptr, FontPanel = nullptr, BtnSetFont = nullptr, ckInternalFont = nullptr;
    HWND CkDigitsColored = nullptr, LabelAppearance = nullptr, CheckTransparent = nullptr,
         CkBarBottom = nullptr;
    HWND CheckFullBar = nullptr, CkShowPercSign = nullptr, CheckStandardBar = nullptr;
    HWND LabelWarningScale = nullptr;
    // Themes.
    HWND LabelThemes = nullptr, CbThemes = nullptr, BtnSaveAs = nullptr, BtnDeleteTheme = nullptr;
    HWND LabelColors = nullptr, LbColors = nullptr, CmbForeground = nullptr, CmbDarkMode = nullptr;
    HWND LabelTransWarning = nullptr;
    int CheckMonitorTag = 0;
};

}  // namespace orvane::win
