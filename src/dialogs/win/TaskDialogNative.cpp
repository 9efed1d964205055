#include "dialogs/win/TaskDialogNative.h"

#include <commctrl.h>

#include <vector>

#include "common/win/CommonControls.h"
#include "common/win/Handles.h"
#include "common/win/PlaceWindow.h"

namespace orvane::win {

namespace {

using TaskDialogIndirectFn = HRESULT(WINAPI*)(const TASKDIALOGCONFIG*, int*, int*, BOOL*);

TaskDialogIndirectFn FindTaskDialogIndirect() {
    static const TaskDialogIndirectFn fn =
        GetProcAddressAs<TaskDialogIndirectFn>(CommonControls(), "TaskDialogIndirect");
    return fn;
}

const wchar_t* TextOrNull(const std::wstring& s) {
    return s.empty() ? nullptr : s.c_str();
}

std::vector<TASKDIALOG_BUTTON> PlatformButtons(const std::vector<TaskDialogButtonConfig>& buttons) {
    std::vector<TASKDIALOG_BUTTON> out;
    out.reserve(buttons.size());
    for (const auto& b : buttons) {
        out.push_back({b.Id, b.Text.c_str()});
    }
    return out;
}

HRESULT CALLBACK DialogCallback(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam,
                                LONG_PTR data) {
    const auto* hooks = reinterpret_cast<const TaskDialogHooks*>(data);
    if (msg == TDN_CREATED) {
        // Some implementations centre the dialog on its owner even where that puts it partly
        // off the screen (an owner in a corner of the work area).
        KeepInsideWorkArea(dialog);
    } else if (msg == TDN_HYPERLINK_CLICKED && hooks->OnHyperlink) {
        hooks->OnHyperlink(reinterpret_cast<const wchar_t*>(lParam));
    } else if (msg == TDN_BUTTON_CLICKED && hooks->OnButtonClicked) {
        return hooks->OnButtonClicked(static_cast<int>(wParam)) ? S_OK : S_FALSE;
    }
    return S_OK;
}

}  // namespace

bool IsTaskDialogAvailable() {
    return FindTaskDialogIndirect() != nullptr;
}

HWND DefaultDialogParent() {
    return ::GetActiveWindow();
}

TaskDialogOutcome ShowNativeTaskDialog(const TaskDialogConfig& config, HWND parent, UINT width,
                                       const TaskDialogHooks& hooks) {
    TaskDialogOutcome outcome;
    const TaskDialogIndirectFn taskDialogIndirect = FindTaskDialogIndirect();
    if (!taskDialogIndirect) {
        return outcome;
    }
    const auto buttons = PlatformButtons(config.Buttons);
    const auto radios = PlatformButtons(config.RadioButtons);

    TASKDIALOGCONFIG cfg{};
    cfg.cbSize = sizeof cfg;
    cfg.hwndParent = parent;
    cfg.dwFlags = config.Flags;
    cfg.dwCommonButtons = config.CommonButtons;
    cfg.pszWindowTitle = config.WindowTitle.c_str();
    if (config.MainIconHandle) {
        cfg.hMainIcon = static_cast<HICON>(config.MainIconHandle);
    } else {
        cfg.pszMainIcon = MAKEINTRESOURCEW(config.MainIcon);
    }
    cfg.pszMainInstruction = TextOrNull(config.MainInstruction);
    cfg.pszContent = TextOrNull(config.Content);
    cfg.cButtons = static_cast<UINT>(buttons.size());
    cfg.pButtons = buttons.empty() ? nullptr : buttons.data();
    cfg.nDefaultButton = config.DefaultButton;
    cfg.cRadioButtons = static_cast<UINT>(radios.size());
    cfg.pRadioButtons = radios.empty() ? nullptr : radios.data();
    cfg.nDefaultRadioButton = config.DefaultRadioButton;
    cfg.pszVerificationText = TextOrNull(config.VerificationText);
    cfg.pszExpandedInformation = TextOrNull(config.ExpandedInformation);
    cfg.pszExpandedControlText = TextOrNull(config.ExpandedControlText);
    if (config.FooterIconHandle) {
        cfg.hFooterIcon = static_cast<HICON>(config.FooterIconHandle);
    } else {
        cfg.pszFooterIcon = MAKEINTRESOURCEW(config.FooterIcon);
    }
    cfg.pszFooter = TextOrNull(config.Footer);
    cfg.pfCallback = DialogCallback;
    cfg.lpCallbackData = reinterpret_cast<LONG_PTR>(&hooks);
    cfg.cxWidth = width;

    int button = 0;
    int radio = 0;
    BOOL verified = (config.Flags & TDF_VERIFICATION_FLAG_CHECKED) ? TRUE : FALSE;
    // Some implementations report a dialog that could not be created as success with the
    // dialog manager's failure result, -1.
    if (SUCCEEDED(taskDialogIndirect(&cfg, &button, &radio, &verified)) && button != -1) {
        outcome.Shown = true;
        outcome.Button = button;
        outcome.RadioButton = radio;
        outcome.VerificationChecked = verified != FALSE;
    }
    return outcome;
}

}  // namespace orvane::win
