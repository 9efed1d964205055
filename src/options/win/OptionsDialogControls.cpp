// The options dialog's controls and their places.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "common/win/Handles.h"
#include "common/win/WindowDpi.h"
#include "options/core/OptionsCaptions.h"
#include "options/core/Thresholds.h"
#include "options/core/OptionsControlIds.h"
#include "options/win/OptionsDialog.h"

namespace orvane::win {

namespace {

constexpr int kMargin = 10;
constexpr int kPagePadding = 12;
constexpr int kSubIndent = 18;
constexpr int kHeadingSpace = 6;

LayoutRow Heading(HWND label) {
    return Row({Cell(label, CellKind::Label)}, 0, kHeadingSpace);
}

LayoutRow Check(HWND box, int indent96 = kSubIndent) {
    return Row({Cell(box, CellKind::Check)}, indent96);
}

}  // namespace

HWND OptionsDialog::AddControl(int tab, const wchar_t* cls, std::wstring_view text, DWORD style,
                               int id, DWORD exStyle) {
    const std::wstring caption(text);
    HWND control = ::CreateWindowExW(exStyle, cls, caption.c_str(), WS_CHILD | style, 0, 0, 0, 0,
                                     Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                     ::GetModuleHandleW(nullptr), nullptr);
    if (tab >= 0) {
        pages_[static_cast<size_t>(tab)].push_back(control);
    }
    return control;
}

HWND OptionsDialog::AddCheck(int tab, std::wstring_view text, int id) {
    return AddControl(tab, L"BUTTON", text, BS_AUTOCHECKBOX | WS_TABSTOP, id);
}

HWND OptionsDialog::AddLabel(int tab, std::wstring_view text, bool heading) {
    HWND label = AddControl(tab, L"STATIC", text, SS_LEFT | SS_NOPREFIX | SS_CENTERIMAGE);
    if (heading) {
        headings_.push_back(label);
    }
    return label;
}

HWND OptionsDialog::AddCombo(int tab, int id, std::initializer_list<std::wstring_view> items) {
    HWND combo = AddControl(tab, L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, id);
    for (const std::wstring_view item : items) {
        const std::wstring text(item);
        ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    return combo;
}

void OptionsDialog::AddSpin(int tab, SpinBox& box, int id, const SpinRange& range, bool readOnly) {
    box.Create(Handle(), id, range, readOnly);
    spins_[id] = &box;
    pages_[static_cast<size_t>(tab)].push_back(box.Edit());
    pages_[static_cast<size_t>(tab)].push_back(box.UpDown());
}

void OptionsDialog::CreateControls() {
    Tabs = AddControl(-1, WC_TABCONTROLW, L"", WS_CLIPSIBLINGS | WS_TABSTOP | WS_VISIBLE, kIdTabs);
    for (size_t i = 0; i < kTabCaptions.size(); ++i) {
        std::wstring caption(kTabCaptions[i]);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        ::SendMessageW(Tabs, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    CreateGeneralTab();
    CreateExtraTab();
    CreateTrayMenuTab();
    CreateDisplayTab();
    CreateThemesTab();
    CreateButtons();
    // The pages' controls lie on top of the tab control.
    ::SetWindowPos(Tabs, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void OptionsDialog::CreateGeneralTab() {
    CkShowPage = AddCheck(0, kCaptionShowPage, kIdShowPage);
    CkShowFree = AddCheck(0, kCaptionShowFree, kIdShowFree);
    CkShowPercentage = AddCheck(0, kCaptionShowPercentage, kIdShowPercentage);
    LabelWarnings = AddLabel(0, kCaptionWarnings, true);
    LabelBarColors = AddLabel(0, kCaptionBarColors);
    LabelYellow = AddLabel(0, kCaptionYellow);
    AddSpin(0, TxtYellow, kIdYellow, kPercentRange, true);
    LabelYellowUnit = AddLabel(0, kCaptionPercent);
    LabelRed = AddLabel(0, kCaptionRed);
    AddSpin(0, TxtRed, kIdRed, kPercentRange, true);
    LabelRedUnit = AddLabel(0, kCaptionPercent);
    LinkThemes = AddControl(0, WC_LINK, kCaptionThemesLink, WS_TABSTOP, kIdThemesLink);
    LabelHighMemory = AddLabel(0, L"", true);
    CkWarn = AddCheck(0, kCaptionWarn, kIdWarn);
    CheckDefragOnHighMem = AddCheck(0, kCaptionDefragOnHigh, kIdDefragOnHigh);
    CkWarnMsgBox = AddCheck(0, kCaptionWarnMsgBox, kIdWarnMsgBox);
    CkLogFile = AddCheck(0, kCaptionLogFile, kIdLogFile);
}

void OptionsDialog::CreateExtraTab() {
    LabelTimedDefrag = AddLabel(1, kCaptionTimedDefrag, true);
    CheckDefragEveryActive = AddCheck(1, kCaptionDefragEvery, kIdDefragEveryActive);
    AddSpin(1, WinSpinDefragEveryActive, kIdDefragEvery, kDefragEveryRange, false);
    LabelDefragMinutes = AddLabel(1, kCaptionMinutes);
    LabelHotKey = AddLabel(1, kCaptionHotkey);
    HotKeyDefrag = AddControl(1, HOTKEY_CLASSW, L"", WS_TABSTOP, kIdHotKey, WS_EX_CLIENTEDGE);
    LabelHotKeyNote = AddLabel(1, kCaptionHotkeyNote);
    LabelAdvanced = AddLabel(1, kCaptionAdvanced, true);
    LabelMili = AddLabel(1, kCaptionRefreshRate);
    AddSpin(1, EditMili, kIdRefreshRate, kRefreshRateRange, false);
    LabelMiliUnit = AddLabel(1, kCaptionMilliseconds);
    LabelResetMili = AddControl(1, WC_LINK, kCaptionResetRate, WS_TABSTOP, kIdResetRate);
    LabelMillisecondsNote = AddLabel(1, kCaptionMillisecondsNote);
    LabelDoubleClick = AddLabel(1, kCaptionDoubleClick);
    CmbDoubleClick = AddCombo(1, kIdDoubleClick, {});
    for (const std::wstring_view item : kDoubleClickItems) {
        const std::wstring text(item);
        ::SendMessageW(CmbDoubleClick, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    CheckMonitor = AddCheck(1, kCaptionMonitor, kIdMonitor);
}

void OptionsDialog::CreateTrayMenuTab() {
    LabelProcesses = AddLabel(2, kCaptionProcesses, true);
    CkShowTop = AddCheck(2, kCaptionShowTop, kIdShowTop);
    LabelProcs = AddLabel(2, kCaptionProcessCount);
    AddSpin(2, EditProcs, kIdTopCount, kTopProcessRange, false);
    LabelProcsUnit = AddLabel(2, kCaptionProcessUnit);
    LabelProcessValue = AddLabel(2, kCaptionProcessValue);
    ComboProcessValue = AddCombo(2, kIdProcessValue, {});
    for (const std::wstring_view item : kProcessValueItems) {
        const std::wstring text(item);
        ::SendMessageW(ComboProcessValue, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    CheckHighlightProcess = AddCheck(2, kCaptionHighlight, kIdHighlight);
    AddSpin(2, EditProcsRam, kIdHighlightAbove, kHighlightAboveRange, false);
    LabelRamUnit = AddLabel(2, kCaptionMegabytes);
    CheckShowProcessName = AddCheck(2, kCaptionProcessName, kIdProcessName);
    CkUnifyProcs = AddCheck(2, kCaptionUnify, kIdUnify);
    LabelMore = AddLabel(2, kCaptionMore, true);
    CkShowMemMenu = AddCheck(2, kCaptionShowMemMenu, kIdShowMemMenu);
    CkDisplayHint = AddCheck(2, kCaptionDisplayHint, kIdDisplayHint);
}

void OptionsDialog::CreateDisplayTab() {
    LabelFont = AddLabel(3, kCaptionFont, true);
    FontPanel = AddControl(3, L"STATIC", L"", SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX,
                           kIdFontPanel, WS_EX_STATICEDGE);
    BtnSetFont = AddControl(3, L"BUTTON", kCaptionSetFont, BS_PUSHBUTTON | WS_TABSTOP, kIdSetFont);
    ckInternalFont = AddCheck(3, kCaptionInternalFont, kIdInternalFont);
    CkDigitsColored = AddCheck(3, kCaptionDigitsColored, kIdDigitsColored);
    LabelAppearance = AddLabel(3, kCaptionAppearance, true);
    CheckTransparent = AddCheck(3, kCaptionTransparent, kIdTransparent);
    CkBarBottom = AddCheck(3, kCaptionBarBottom, kIdBarBottom);
    CheckFullBar = AddCheck(3, kCaptionFullBar, kIdFullBar);
    CkShowPercSign = AddCheck(3, kCaptionPercSign, kIdPercSign);
    CheckStandardBar = AddCheck(3, kCaptionStandardBar, kIdStandardBar);
    LabelWarningScale = AddLabel(3, kCaptionScaleWarning);
}

void OptionsDialog::CreateButtons() {
    BtnOk = AddControl(-1, L"BUTTON", kCaptionOk, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_VISIBLE, IDOK);
    BtnCancel = AddControl(-1, L"BUTTON", kCaptionCancel, BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE,
                           IDCANCEL);
    btnApply =
        AddControl(-1, L"BUTTON", kCaptionApply, BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE, kIdApply);
}

std::array<PageLayout, 5> OptionsDialog::PageLayouts() {
    std::array<PageLayout, 5> p;
    LayoutCell highLabel = Cell(LabelHighMemory, CellKind::Label);
    highLabel.MeasureText = HighMemoryHeading(100);
    p[0] = {Check(CkShowPage, 0),
            Check(CkShowFree, 0),
            Check(CkShowPercentage, 0),
            Heading(LabelWarnings),
            Row({Cell(LabelBarColors, CellKind::Label)}, kSubIndent),
            Row({Cell(LabelYellow, CellKind::Label), Spin(TxtYellow, 56),
                 Cell(LabelYellowUnit, CellKind::Label), Cell(LabelRed, CellKind::Label),
                 Spin(TxtRed, 56), Cell(LabelRedUnit, CellKind::Label)},
                2 * kSubIndent),
            Row({Cell(LinkThemes, CellKind::Link)}, 2 * kSubIndent),
            Row({highLabel}, 0, kHeadingSpace),
            Check(CkWarn),
            Check(CheckDefragOnHighMem),
            Check(CkWarnMsgBox),
            Check(CkLogFile)};
    p[1] = {Heading(LabelTimedDefrag),
            Row({Cell(CheckDefragEveryActive, CellKind::Check), Spin(WinSpinDefragEveryActive, 64),
                 Cell(LabelDefragMinutes, CellKind::Label)},
                kSubIndent),
            Row({Cell(LabelHotKey, CellKind::Label), Cell(HotKeyDefrag, CellKind::Fixed, 170)},
                kSubIndent),
            Row({Cell(LabelHotKeyNote, CellKind::Label)}, kSubIndent),
            Heading(LabelAdvanced),
            Row({Cell(LabelMili, CellKind::Label), Spin(EditMili, 84),
                 Cell(LabelMiliUnit, CellKind::Label), Cell(LabelResetMili, CellKind::Link)},
                kSubIndent),
            Row({Cell(LabelMillisecondsNote, CellKind::Label)}, kSubIndent),
            Row({Cell(LabelDoubleClick, CellKind::Label), Cell(CmbDoubleClick, CellKind::Combo)},
                kSubIndent),
            Check(CheckMonitor)};
    p[2] = {
        Heading(LabelProcesses),
        Check(CkShowTop),
        Row({Cell(LabelProcs, CellKind::Label), Spin(EditProcs, 56),
             Cell(LabelProcsUnit, CellKind::Label)},
            2 * kSubIndent),
        Row({Cell(LabelProcessValue, CellKind::Label), Cell(ComboProcessValue, CellKind::Combo)},
            2 * kSubIndent),
        Row({Cell(CheckHighlightProcess, CellKind::Check), Spin(EditProcsRam, 64),
             Cell(LabelRamUnit, CellKind::Label)},
            2 * kSubIndent),
        Check(CheckShowProcessName, 2 * kSubIndent),
        Check(CkUnifyProcs, 2 * kSubIndent),
        Heading(LabelMore),
        Check(CkShowMemMenu),
        Check(CkDisplayHint, 2 * kSubIndent)};
    p[3] = {Heading(LabelFont),
            Row({Cell(FontPanel, CellKind::Fixed, 170), Cell(BtnSetFont, CellKind::Button)},
                kSubIndent),
            Check(ckInternalFont),
            Check(CkDigitsColored),
            Heading(LabelAppearance),
            Check(CheckTransparent),
            Check(CkBarBottom),
            Check(CheckFullBar),
            Check(CkShowPercSign),
            Check(CheckStandardBar),
            Row({Cell(LabelWarningScale, CellKind::Label)}, 0, 8)};
    p[4] = ThemesPageLayout();
    return p;
}

void OptionsDialog::Relayout() {
    const WindowDc dc(Handle());
    const DialogLayout layout(dc.get(), dpi_, font_.get());
    const auto s = [&](int n) { return layout.Scale(n); };
    const std::array<PageLayout, 5> pages = PageLayouts();
    SIZE content{0, 0};
    for (const PageLayout& page : pages) {
        const SIZE size = layout.Measure(page);
        content.cx = std::max(content.cx, size.cx);
        content.cy = std::max(content.cy, size.cy);
    }
    int buttonWidth = 0;
    for (HWND button : {BtnOk, BtnCancel, btnApply}) {
        buttonWidth = std::max(buttonWidth, layout.CellWidth(Cell(button, CellKind::Button)));
    }
    const int buttonsWidth = 3 * buttonWidth + 2 * s(8);
    content.cx = std::max<LONG>(content.cx, buttonsWidth - 2 * s(kPagePadding));
    // The tab control is sized so its display area holds the largest page.
    ::SetWindowPos(Tabs, nullptr, s(kMargin), s(kMargin), content.cx + s(200), content.cy + s(200),
                   SWP_NOZORDER | SWP_NOACTIVATE);
    RECT tab{0, 0, content.cx + 2 * s(kPagePadding), content.cy + 2 * s(kPagePadding)};
    ::SendMessageW(Tabs, TCM_ADJUSTRECT, TRUE, reinterpret_cast<LPARAM>(&tab));
    ::OffsetRect(&tab, s(kMargin) - tab.left, s(kMargin) - tab.top);
    ::SetWindowPos(Tabs, HWND_BOTTOM, tab.left, tab.top, tab.right - tab.left, tab.bottom - tab.top,
                   SWP_NOACTIVATE);
    RECT display = tab;
    ::SendMessageW(Tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    for (const PageLayout& page : pages) {
        layout.Place(page, {display.left + s(kPagePadding), display.top + s(kPagePadding)});
    }
    pageBackground_.Renew(Tabs);
    const int buttonHeight = std::max(layout.LineHeight() + s(10), s(25));
    const int buttonsTop = tab.bottom + s(kMargin);
    int x = tab.right - buttonsWidth;
    for (HWND button : {BtnOk, BtnCancel, btnApply}) {
        ::SetWindowPos(button, nullptr, x, buttonsTop, buttonWidth, buttonHeight,
                       SWP_NOZORDER | SWP_NOACTIVATE);
        x += buttonWidth + s(8);
    }
    const SIZE client{tab.right + s(kMargin), buttonsTop + buttonHeight + s(kMargin)};
    const SIZE window =
        WindowSizeForClient(client, static_cast<DWORD>(::GetWindowLongPtrW(Handle(), GWL_STYLE)),
                            static_cast<DWORD>(::GetWindowLongPtrW(Handle(), GWL_EXSTYLE)), dpi_);
    ::SetWindowPos(Handle(), nullptr, 0, 0, window.cx, window.cy,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace orvane::win
