#include "dialogs/win/EmulatedTaskDialog.h"

#include <algorithm>
#include <string>
#include <vector>

#include "common/win/DialogTemplate.h"
#include "common/win/Handles.h"

namespace orvane::win {

namespace {

constexpr int kCheckBoxId = 2000;
constexpr UINT kDefaultWidthDlu = 240;

struct CommonButton {
    std::uint32_t bit;
    int id;
    const wchar_t* caption;
};
// The platform's order of the common buttons.
constexpr CommonButton kCommonButtons[] = {
    {kButtonOk, IDOK, L"确定"},         {kButtonYes, IDYES, L"是"},
    {kButtonNo, IDNO, L"否"},           {kButtonRetry, IDRETRY, L"重试"},
    {kButtonCancel, IDCANCEL, L"取消"}, {kButtonClose, IDCLOSE, L"关闭"},
};

// The texts without the link markup "<a href=...>" and "</a>": the imitation has no links.
std::wstring WithoutLinks(const std::wstring& text) {
    std::wstring out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 3, L"<a ") == 0 || text.compare(i, 3, L"<A ") == 0 ||
            text.compare(i, 4, L"</a>") == 0 || text.compare(i, 4, L"</A>") == 0) {
            const std::size_t close = text.find(L'>', i);
            if (close != std::wstring::npos) {
                i = close;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

const wchar_t* SystemIcon(std::uint16_t icon) {
    switch (icon) {
        case kTdWarningIcon:
            return IDI_WARNING;
        case kTdErrorIcon:
            return IDI_ERROR;
        case kTdInformationIcon:
            return IDI_INFORMATION;
        case kTdShieldIcon:
            return IDI_SHIELD;
        case kTdQuestionIcon:
            return IDI_QUESTION;
        default:
            return nullptr;
    }
}

struct DialogState {
    const TaskDialogConfig* config;
    UINT width;
    const TaskDialogButtonClicked* onButtonClicked;
    bool verifyChecked;
    UniqueFont instructionFont;
    bool cancellable;
};

int DluX(HWND dlg, int n) {
    RECT r{0, 0, n, 0};
    ::MapDialogRect(dlg, &r);
    return r.right;
}
int DluY(HWND dlg, int n) {
    RECT r{0, 0, 0, n};
    ::MapDialogRect(dlg, &r);
    return r.bottom;
}

SIZE MeasureText(HWND dlg, HFONT font, const std::wstring& text, int width) {
    WindowDc dc(dlg);
    SelectObjectGuard select(dc.get(), font);
    RECT r{0, 0, width, 0};
    const UINT flags = DT_CALCRECT | DT_NOPREFIX | (width > 0 ? DT_WORDBREAK : DT_SINGLELINE);
    ::DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &r, flags);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

HWND AddControl(HWND dlg, const wchar_t* cls, const std::wstring& text, DWORD style, int id, int x,
                int y, int w, int h, HFONT font) {
    HWND c = ::CreateWindowExW(0, cls, text.c_str(), WS_CHILD | WS_VISIBLE | style, x, y, w, h, dlg,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    ::SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return c;
}

void AddIcon(HWND dlg, std::uint16_t icon, int x, int y, int size) {
    if (const wchar_t* name = SystemIcon(icon)) {
        HWND s = AddControl(dlg, L"STATIC", L"", SS_ICON | SS_REALSIZECONTROL, -1, x, y, size, size,
                            nullptr);
        ::SendMessageW(s, STM_SETICON, reinterpret_cast<WPARAM>(::LoadIconW(nullptr, name)), 0);
        ::SetWindowPos(s, nullptr, x, y, size, size, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void Layout(HWND dlg, DialogState& st) {
    const TaskDialogConfig& config = *st.config;
    const auto font = reinterpret_cast<HFONT>(::SendMessageW(dlg, WM_GETFONT, 0, 0));
    LOGFONTW lf{};
    ::GetObjectW(font, sizeof lf, &lf);
    lf.lfWeight = FW_BOLD;
    lf.lfHeight = lf.lfHeight * 4 / 3;
    st.instructionFont.reset(::CreateFontIndirectW(&lf));

    const int clientW = DluX(dlg, static_cast<int>(st.width ? st.width : kDefaultWidthDlu));
    const int m = DluX(dlg, 7);
    const int gap = DluY(dlg, 5);
    const int iconSize = ::GetSystemMetrics(SM_CXICON);
    const bool hasIcon = SystemIcon(config.MainIcon) != nullptr;
    const int textX = hasIcon ? m + iconSize + m : m;
    const int textW = std::max(clientW - textX - m, DluX(dlg, 60));
    int y = m;

    AddIcon(dlg, config.MainIcon, m, m, iconSize);
    const std::pair<const std::wstring*, HFONT> texts[] = {
        {&config.MainInstruction, st.instructionFont.get()}, {&config.Content, font}};
    for (const auto& [text, textFont] : texts) {
        if (text->empty()) {
            continue;
        }
        const std::wstring shown = WithoutLinks(*text);
        const SIZE sz = MeasureText(dlg, textFont, shown, textW);
        AddControl(dlg, L"STATIC", shown, SS_LEFT | SS_NOPREFIX, -1, textX, y, textW, sz.cy,
                   textFont);
        y += sz.cy + gap;
    }
    y = std::max(y, hasIcon ? m + iconSize + gap : y);

    if (!config.VerificationText.empty()) {
        const SIZE sz = MeasureText(dlg, font, config.VerificationText, 0);
        const int h = std::max<int>(DluY(dlg, 10), sz.cy);
        HWND box = AddControl(dlg, L"BUTTON", config.VerificationText, BS_AUTOCHECKBOX | WS_TABSTOP,
                              kCheckBoxId, m, y,
                              std::min<int>(clientW - 2 * m, sz.cx + DluX(dlg, 14)), h, font);
        ::SendMessageW(box, BM_SETCHECK, st.verifyChecked ? BST_CHECKED : BST_UNCHECKED, 0);
        y += h + gap;
    }

    std::vector<std::pair<int, std::wstring>> buttons;
    for (const auto& b : config.Buttons) {
        buttons.emplace_back(b.Id, b.Text);
    }
    for (const auto& c : kCommonButtons) {
        if (config.CommonButtons & c.bit) {
            buttons.emplace_back(c.id, c.caption);
        }
    }
    int defaultId = buttons.empty() ? 0 : buttons.front().first;
    for (const auto& [id, text] : buttons) {
        if (id == config.DefaultButton) {
            defaultId = id;
        }
    }
    const int buttonH = DluY(dlg, 14);
    std::vector<int> widths;
    int total = 0;
    for (const auto& [id, text] : buttons) {
        const int w = std::max<int>(DluX(dlg, 50), MeasureText(dlg, font, text, 0).cx + 2 * m);
        widths.push_back(w);
        total += w + DluX(dlg, 4);
    }
    int x = std::max(m, clientW - m - total + DluX(dlg, 4));
    HWND defaultButton = nullptr;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const auto& [id, text] = buttons[i];
        const DWORD kind = id == defaultId ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        HWND b =
            AddControl(dlg, L"BUTTON", text, kind | WS_TABSTOP, id, x, y, widths[i], buttonH, font);
        if (id == defaultId) {
            defaultButton = b;
        }
        x += widths[i] + DluX(dlg, 4);
    }
    y += buttonH + m;

    if (!config.Footer.empty()) {
        const int small = ::GetSystemMetrics(SM_CXSMICON);
        const bool footerIcon = SystemIcon(config.FooterIcon) != nullptr;
        AddIcon(dlg, config.FooterIcon, m, y, small);
        const int fx = footerIcon ? m + small + DluX(dlg, 4) : m;
        const std::wstring shown = WithoutLinks(config.Footer);
        const SIZE sz = MeasureText(dlg, font, shown, clientW - fx - m);
        AddControl(dlg, L"STATIC", shown, SS_LEFT | SS_NOPREFIX, -1, fx, y, clientW - fx - m, sz.cy,
                   font);
        y += std::max<int>(sz.cy, footerIcon ? small : 0) + m;
    }

    RECT frame{0, 0, clientW, y};
    ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongW(dlg, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongW(dlg, GWL_EXSTYLE)));
    const int w = frame.right - frame.left;
    const int h = frame.bottom - frame.top;
    RECT area{};
    HWND owner = ::GetWindow(dlg, GW_OWNER);
    if (!owner || !::IsWindowVisible(owner) || !::GetWindowRect(owner, &area)) {
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    }
    ::SetWindowPos(dlg, nullptr, area.left + (area.right - area.left - w) / 2,
                   area.top + (area.bottom - area.top - h) / 2, w, h,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    if (defaultButton) {
        ::SetFocus(defaultButton);
    }
}

void Finish(HWND dlg, DialogState& st, int id) {
    if (::GetDlgItem(dlg, kCheckBoxId)) {
        st.verifyChecked = ::IsDlgButtonChecked(dlg, kCheckBoxId) == BST_CHECKED;
    }
    ::EndDialog(dlg, id);
}

INT_PTR CALLBACK DialogProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* st = reinterpret_cast<DialogState*>(::GetWindowLongPtrW(dlg, DWLP_USER));
    switch (msg) {
        case WM_INITDIALOG:
            st = reinterpret_cast<DialogState*>(lParam);
            ::SetWindowLongPtrW(dlg, DWLP_USER, lParam);
            ::SetWindowTextW(dlg, st->config->WindowTitle.c_str());
            Layout(dlg, *st);
            return FALSE;  // the default button has the focus
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            if (!st || id == kCheckBoxId || HIWORD(wParam) != BN_CLICKED) {
                return FALSE;
            }
            const bool isButton = ::GetDlgItem(dlg, id) != nullptr;
            if (!isButton && !(id == IDCANCEL && st->cancellable)) {
                return TRUE;  // Escape without a way to cancel
            }
            if (*st->onButtonClicked && !(*st->onButtonClicked)(id)) {
                return TRUE;
            }
            Finish(dlg, *st, id);
            return TRUE;
        }
        case WM_CLOSE:
            if (st && (st->cancellable || ::GetDlgItem(dlg, IDCANCEL))) {
                Finish(dlg, *st, IDCANCEL);
            }
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

int ShowEmulatedTaskDialog(const TaskDialogConfig& config, HWND parent, UINT width,
                           const TaskDialogButtonClicked& onButtonClicked, bool& verifyChecked) {
    DialogState st{&config,          width,
                   &onButtonClicked, (config.Flags & FlagBit(tfVerificationFlagChecked)) != 0,
                   UniqueFont(),     (config.Flags & FlagBit(tfAllowDialogCancellation)) != 0};
    const std::vector<DWORD> tmpl = EmptyDialogTemplate();
    const INT_PTR result = ::DialogBoxIndirectParamW(
        ::GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(tmpl.data()), parent,
        DialogProc, reinterpret_cast<LPARAM>(&st));
    verifyChecked = st.verifyChecked;
    return result <= 0 ? IDCANCEL : static_cast<int>(result);
}

}  // namespace orvane::win
