#include "options/win/InputBox.h"

#include <algorithm>
#include <vector>

#include "common/core/DpiScale.h"
#include "common/win/DialogTemplate.h"
#include "common/win/Handles.h"
#include "common/win/MonitorDpi.h"
#include "common/win/WindowDpi.h"

namespace orvane::win {

namespace {

constexpr int kPromptId = 100;
constexpr int kEditId = 101;
constexpr wchar_t kOkCaption[] = L"确定";
constexpr wchar_t kCancelCaption[] = L"取消";

// Dialog changes of DPI that the system would make on its own; the box lays itself out instead.
constexpr int kDdcDisableAll = 0x0001;
using SetDialogDpiChangeBehaviorFn = BOOL(WINAPI*)(HWND, int, int);

struct InputBoxState {
    const std::wstring* caption;
    const std::wstring* prompt;
    std::wstring text;
    UniqueFont font;
};

SIZE TextExtent(HWND window, HFONT font, const std::wstring& text) {
    const WindowDc dc(window);
    const SelectObjectGuard select(dc.get(), font);
    RECT r{0, 0, 0, 0};
    ::DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &r,
                DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

// The width the title bar needs for the caption and the close button.
int CaptionWidth(HWND dlg, const std::wstring& caption, int dpi) {
    const NONCLIENTMETRICSW ncm = NonClientMetricsForDpi(dpi);
    const UniqueFont captionFont(::CreateFontIndirectW(&ncm.lfCaptionFont));
    return TextExtent(dlg, captionFont.get(), caption).cx + ncm.iCaptionWidth * 2 +
           ScaleByDpi(24, dpi);
}

// Places the controls for `dpi` and sizes the box to them; returns the window size.
SIZE Layout(HWND dlg, InputBoxState& st, int dpi) {
    UniqueFont newFont = CreateMessageFont(dpi);
    const HFONT font = newFont.get();
    auto s = [dpi](int n) { return ScaleByDpi(n, dpi); };
    const SIZE promptSize = TextExtent(dlg, font, *st.prompt);
    const int lineHeight = std::max<int>(promptSize.cy, TextExtent(dlg, font, L"Ag主").cy);
    const int buttonW = std::max<int>(s(75), std::max(TextExtent(dlg, font, kOkCaption).cx,
                                                      TextExtent(dlg, font, kCancelCaption).cx) +
                                                 s(20));
    const int buttonH = lineHeight + s(10);
    const int editH = lineHeight + s(8);
    const int margin = s(11);
    const int contentW = std::max<int>({s(280), static_cast<int>(promptSize.cx), 2 * buttonW + s(6),
                                        CaptionWidth(dlg, *st.caption, dpi) - 2 * margin});

    int y = margin;
    const auto place = [&](int id, int x, int w, int h) {
        HWND c = ::GetDlgItem(dlg, id);
        ::SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        ::SetWindowPos(c, nullptr, x, y, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
        ::InvalidateRect(c, nullptr, TRUE);
    };
    place(kPromptId, margin, contentW, lineHeight);
    y += lineHeight + s(6);
    place(kEditId, margin, contentW, editH);
    y += editH + s(14);
    place(IDCANCEL, margin + contentW - buttonW, buttonW, buttonH);
    place(IDOK, margin + contentW - 2 * buttonW - s(6), buttonW, buttonH);
    y += buttonH + margin;

    st.font = std::move(newFont);  // the controls have let go of the old one
    return WindowSizeForClient(dlg, SIZE{contentW + 2 * margin, y}, dpi);
}

// Centred on the visible owner, else on the work area of the monitor it would show on; kept
// inside that work area.
void PlaceCentred(HWND dlg, SIZE size) {
    HWND owner = ::GetWindow(dlg, GW_OWNER);
    MONITORINFO mi{};
    mi.cbSize = sizeof(mi);
    RECT anchor{};
    if (owner && ::IsWindowVisible(owner) && ::GetWindowRect(owner, &anchor)) {
        ::GetMonitorInfoW(::MonitorFromRect(&anchor, MONITOR_DEFAULTTONEAREST), &mi);
    } else {
        POINT cursor{};
        ::GetCursorPos(&cursor);
        ::GetMonitorInfoW(::MonitorFromPoint(cursor, MONITOR_DEFAULTTOPRIMARY), &mi);
        anchor = mi.rcWork;
    }
    const RECT& work = mi.rcWork;
    int x = anchor.left + (anchor.right - anchor.left - size.cx) / 2;
    int y = anchor.top + (anchor.bottom - anchor.top - size.cy) / 2;
    x = std::max<int>(work.left, std::min<int>(x, work.right - size.cx));
    y = std::max<int>(work.top, std::min<int>(y, work.bottom - size.cy));
    ::SetWindowPos(dlg, nullptr, x, y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CreateControls(HWND dlg, const InputBoxState& st) {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    const auto add = [&](DWORD exStyle, const wchar_t* cls, const std::wstring& text, DWORD style,
                         int id) {
        ::CreateWindowExW(exStyle, cls, text.c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0,
                          dlg, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                          nullptr);
    };
    add(0, L"STATIC", *st.prompt, SS_LEFT | SS_NOPREFIX, kPromptId);
    add(WS_EX_CLIENTEDGE, L"EDIT", st.text, ES_AUTOHSCROLL | WS_TABSTOP, kEditId);
    add(0, L"BUTTON", kOkCaption, BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK);
    add(0, L"BUTTON", kCancelCaption, BS_PUSHBUTTON | WS_TABSTOP, IDCANCEL);
}

void InitDialog(HWND dlg, InputBoxState& st) {
    static const auto setDpiBehavior = GetProcAddressAs<SetDialogDpiChangeBehaviorFn>(
        ::GetModuleHandleW(L"user32.dll"), "SetDialogDpiChangeBehavior");
    if (setDpiBehavior) {
        setDpiBehavior(dlg, kDdcDisableAll, kDdcDisableAll);
    }
    ::SetWindowTextW(dlg, st.caption->c_str());
    CreateControls(dlg, st);
    PlaceCentred(dlg, Layout(dlg, st, GetMonitorDpi(dlg)));
    // Layout for the monitor the box landed on, which may differ from the first guess.
    PlaceCentred(dlg, Layout(dlg, st, GetMonitorDpi(dlg)));
    HWND edit = ::GetDlgItem(dlg, kEditId);
    ::SendMessageW(edit, EM_SETSEL, 0, -1);
    ::SetFocus(edit);
}

void OnDpiChanged(HWND dlg, InputBoxState& st, WPARAM wParam, LPARAM lParam) {
    const SIZE size = Layout(dlg, st, LOWORD(wParam));
    const auto* suggested = reinterpret_cast<const RECT*>(lParam);
    ::SetWindowPos(dlg, nullptr, suggested->left, suggested->top, size.cx, size.cy,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK InputBoxProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* st = reinterpret_cast<InputBoxState*>(::GetWindowLongPtrW(dlg, DWLP_USER));
    switch (msg) {
        case WM_INITDIALOG:
            ::SetWindowLongPtrW(dlg, DWLP_USER, lParam);
            InitDialog(dlg, *reinterpret_cast<InputBoxState*>(lParam));
            return FALSE;  // the edit field has the focus
        case WM_DPICHANGED:
            if (st) {
                OnDpiChanged(dlg, *st, wParam, lParam);
            }
            return TRUE;
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            if (!st || (id != IDOK && id != IDCANCEL)) {
                return FALSE;
            }
            if (id == IDOK) {
                HWND edit = ::GetDlgItem(dlg, kEditId);
                std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(edit)) + 1,
                                  L'\0');
                text.resize(static_cast<std::size_t>(
                    ::GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
                st->text = std::move(text);
            }
            ::EndDialog(dlg, id);
            return TRUE;
        }
        case WM_CLOSE:
            ::EndDialog(dlg, IDCANCEL);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

bool InputQuery(HWND owner, const std::wstring& caption, const std::wstring& prompt,
                std::wstring& value) {
    InputBoxState st{&caption, &prompt, value, UniqueFont()};
    const std::vector<DWORD> tmpl = EmptyDialogTemplate();
    const INT_PTR result = ::DialogBoxIndirectParamW(
        ::GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(tmpl.data()), owner,
        InputBoxProc, reinterpret_cast<LPARAM>(&st));
    if (result != IDOK) {
        return false;
    }
    value = std::move(st.text);
    return true;
}

}  // namespace orvane::win
