#include "options/win/OptionsDialog.h"

#include <commctrl.h>

#include <algorithm>

#include "common/win/DefaultErrorHandler.h"
#include "common/win/CommonControls.h"
#include "common/win/Handles.h"
#include "common/win/PlaceWindow.h"
#include "common/win/WindowDpi.h"
#include "options/core/OptionsCaptions.h"
#include "options/core/OptionsControlIds.h"

namespace orvane::win {

namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

// The dialog's control classes, registered on first use (the common controls are not loaded
// while the program only sits in the tray).
void LoadDialogControls() {
    using InitFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    if (const auto init = GetProcAddressAs<InitFn>(CommonControls(), "InitCommonControlsEx")) {
        const INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_STANDARD_CLASSES | ICC_TAB_CLASSES |
                                                        ICC_UPDOWN_CLASS | ICC_HOTKEY_CLASS |
                                                        ICC_LINK_CLASS};
        init(&icc);
    }
}

}  // namespace

OptionsDialog::OptionsDialog(OptionsHost& host) : host_(host) {}

OptionsDialog::~OptionsDialog() {
    if (owner_ && !closed_) {
        ::EnableWindow(owner_, TRUE);
    }
    DestroyOwnWindow();
}

bool OptionsDialog::Create(HWND owner, bool bDirectToThemes) {
    LoadDialogControls();
    if (!RegisterClassOnce(kClassName, nullptr, nullptr)) {
        return false;
    }
    owner_ = owner;
    const std::wstring title(kOptionsTitle);
    if (!CreateWindowFor(kClassName, title.c_str(), kStyle, kExStyle, 0, 0, 100, 100, owner)) {
        return false;
    }
    dpi_ = GetWindowDpi(Handle());
    CreateControls();
    ApplyDpi(dpi_);
    FormCreate(bDirectToThemes);
    return true;
}

void OptionsDialog::ShowModal() {
    FormShow();
    if (owner_) {
        ::EnableWindow(owner_, FALSE);
    }
    ::ShowWindow(Handle(), SW_SHOW);
    ::SetForegroundWindow(Handle());
    ::SetFocus(Tabs);  // as in the system's property sheets: the arrows move between the tabs
    MSG m;
    int quitCode = 0;
    bool quit = false;
    while (!closed_ && Handle()) {
        if (::GetMessageW(&m, nullptr, 0, 0) <= 0) {
            quit = true;
            quitCode = static_cast<int>(m.wParam);
            break;
        }
        if (!PreTranslate(m) && !::IsDialogMessageW(Handle(), &m)) {
            ::TranslateMessage(&m);
            ::DispatchMessageW(&m);
        }
    }
    closed_ = true;
    // The owner is enabled before the dialog goes, so activation returns to it.
    if (owner_) {
        ::EnableWindow(owner_, TRUE);
    }
    ::ShowWindow(Handle(), SW_HIDE);
    if (quit) {
        ::PostQuitMessage(quitCode);
    }
}

void OptionsDialog::BringToFront() {
    if (::IsIconic(Handle())) {
        ::ShowWindow(Handle(), SW_RESTORE);
    }
    ::SetForegroundWindow(Handle());
}

// Ctrl+Tab and Ctrl+Shift+Tab move between the tabs, as in the system's property sheets.
bool OptionsDialog::PreTranslate(MSG& m) {
    if (m.message != WM_KEYDOWN || m.wParam != VK_TAB || !(::GetKeyState(VK_CONTROL) & 0x8000) ||
        (m.hwnd != Handle() && !::IsChild(Handle(), m.hwnd))) {
        return false;
    }
    const int count = static_cast<int>(kTabCaptions.size());
    const int step = (::GetKeyState(VK_SHIFT) & 0x8000) ? count - 1 : 1;
    ShowTab((ActiveTab() + step) % count);
    return true;
}

int OptionsDialog::ActiveTab() const {
    return static_cast<int>(::SendMessageW(Tabs, TCM_GETCURSEL, 0, 0));
}

void OptionsDialog::ShowTab(int tab) {
    ::SendMessageW(Tabs, TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
    for (int i = 0; i < static_cast<int>(pages_.size()); ++i) {
        for (HWND control : pages_[static_cast<size_t>(i)]) {
            ::ShowWindow(control, i == tab && !hidden_.contains(control) ? SW_SHOWNA : SW_HIDE);
        }
    }
}

// Hides or shows a control of a page; it appears only while its page is the current one.
void OptionsDialog::SetVisible(HWND control, bool visible) {
    if (visible) {
        hidden_.erase(control);
    } else {
        hidden_.insert(control);
    }
    const int tab = ActiveTab();
    const auto& page = pages_[static_cast<size_t>(tab < 0 ? 0 : tab)];
    const bool onPage = std::find(page.begin(), page.end(), control) != page.end();
    ::ShowWindow(control, visible && onPage ? SW_SHOWNA : SW_HIDE);
}

void OptionsDialog::ApplyDpi(int dpi) {
    dpi_ = dpi;
    font_ = CreateMessageFont(dpi);
    headingFont_ = CreateMessageFont(dpi, true);
    LOGFONTW lf{};
    lf.lfHeight = -::MulDiv(8, dpi, 72);
    lf.lfCharSet = DEFAULT_CHARSET;
    wcscpy_s(lf.lfFaceName, L"Tahoma");
    internalFontFace_.reset(::CreateFontIndirectW(&lf));
    for (HWND child = ::GetWindow(Handle(), GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    }
    for (HWND heading : headings_) {
        ::SendMessageW(heading, WM_SETFONT, reinterpret_cast<WPARAM>(headingFont_.get()), FALSE);
    }
    ShowFontName();
    if (picker_.Handle()) {
        picker_.UpdateItemHeight();
    } else {
        picker_.Attach(CmbForeground);
    }
    Relayout();
}

void OptionsDialog::OnDpiChanged(WPARAM wp, LPARAM lp) {
    const auto* suggested = reinterpret_cast<const RECT*>(lp);
    ApplyDpi(LOWORD(wp));
    RECT r{};
    ::GetWindowRect(Handle(), &r);
    ::SetWindowPos(Handle(), nullptr, suggested->left, suggested->top, r.right - r.left,
                   r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

// Labels and check boxes on a page take the page's look; edits, the buttons below the pages and
// the font panel keep their own.
LRESULT OptionsDialog::OnControlColor(UINT msg, WPARAM wp, LPARAM lp) {
    const auto control = reinterpret_cast<HWND>(lp);
    wchar_t cls[16] = {};
    ::GetClassNameW(control, cls, 16);
    const bool onPage = ::GetDlgCtrlID(control) != kIdFontPanel && ::lstrcmpiW(cls, L"Edit") != 0 &&
                        control != BtnOk && control != BtnCancel && control != btnApply;
    if (onPage) {
        if (HBRUSH brush = pageBackground_.ForControl(control, reinterpret_cast<HDC>(wp))) {
            return reinterpret_cast<LRESULT>(brush);
        }
    }
    return Window::HandleMessage(msg, wp, lp);
}

void OptionsDialog::FormShow() {
    PlaceNearNotificationArea(Handle());
}

LRESULT OptionsDialog::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_COMMAND:
            RunEventHandler([&] { OnCommand(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp)); });
            return 0;
        case WM_NOTIFY:
            RunEventHandler([&] { OnNotify(*reinterpret_cast<const NMHDR*>(lp)); });
            return 0;
        case WM_MEASUREITEM:
        case WM_DRAWITEM:
            if (OnOwnerDraw(msg, lp)) {
                return TRUE;
            }
            break;
        case DM_GETDEFID:
            return MAKELRESULT(IDOK, DC_HASDEFID);
        case WM_CLOSE:
            BtnCancelClick();
            return 0;
        case WM_DPICHANGED:
            OnDpiChanged(wp, lp);
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return OnControlColor(msg, wp, lp);
        case WM_THEMECHANGED:
        case WM_SYSCOLORCHANGE:
            pageBackground_.Renew(Tabs);
            break;
        default:
            break;
    }
    return Window::HandleMessage(msg, wp, lp);
}

void OptionsDialog::OnNotify(const NMHDR& nm) {
    if (nm.idFrom == kIdTabs && nm.code == TCN_SELCHANGE) {
        ShowTab(ActiveTab());
        return;
    }
    if (nm.code != NM_CLICK && nm.code != NM_RETURN) {
        return;
    }
    if (nm.idFrom == kIdThemesLink) {
        LinkThemesClick();
    } else if (nm.idFrom == kIdResetRate) {
        LabelResetMiliLinkClick();
    }
}

void OptionsDialog::OnCommand(int id, int code, HWND control) {
    if (control == nullptr) {
        return;
    }
    switch (id) {
        case IDOK:
            BtnOkClick(true);
            return;
        case IDCANCEL:
            BtnCancelClick();
            return;
        case kIdApply:
            BtnOkClick(false);
            return;
        case kIdSetFont:
            BtnSetFontClick();
            return;
        default:
            break;
    }
    OnThemesCommand(id, code);
    if (code == BN_CLICKED) {
        OnCheckClick(id);
    } else if (code == EN_CHANGE) {
        if (id == kIdYellow) {
            TxtYellowChange();
        } else if (id == kIdRed) {
            TxtRedChange();
        } else if (id == kIdRefreshRate) {
            EditMiliChange();
        }
    } else if (code == EN_KILLFOCUS) {
        for (SpinBox* box : {&TxtYellow, &TxtRed, &WinSpinDefragEveryActive, &EditMili, &EditProcs,
                             &EditProcsRam}) {
            if (box->Edit() == control) {
                box->Normalize();
            }
        }
    } else if (code == CBN_SELCHANGE && id == kIdDarkMode) {
        CmbDarkModeClick();
    } else if (code == LBN_SELCHANGE && id == kIdColorList) {
        LbColorsClick();
    }
}

void OptionsDialog::OnCheckClick(int id) {
    switch (id) {
        case kIdShowPercentage:
            CkShowPercentageClick();
            break;
        case kIdShowTop:
        case kIdShowMemMenu:
        case kIdProcessName:
        case kIdUnify:
            CkShowTopClick();
            break;
        case kIdDefragEveryActive:
            CheckDefragEveryActiveClick();
            break;
        case kIdHighlight:
            CheckHighlightProcessClick();
            break;
        case kIdMonitor:
            CheckMonitorClick();
            break;
        case kIdInternalFont:
            ckInternalFontClick();
            break;
        case kIdTransparent:
            CheckTransparentClick();
            break;
        case kIdDigitsColored:
            CkDigitsColoredClick();
            break;
        default:
            break;
    }
}

}  // namespace orvane::win
