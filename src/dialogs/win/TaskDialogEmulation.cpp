#include "dialogs/win/TaskDialogEmulation.h"

#include "dialogs/win/EmulatedTaskDialog.h"
#include "dialogs/win/TaskDialogNative.h"

namespace orvane {

namespace {

// The caption of the program's main window, when there is one.
std::wstring MainFormCaption(WindowHandle mainForm) {
    if (!mainForm) {
        return {};
    }
    wchar_t text[256] = {};
    ::GetWindowTextW(static_cast<HWND>(mainForm), text, 256);
    return text;
}

}  // namespace

int TaskDialogBox::Execute(std::uint32_t aCommonButtons, int aButtonDef, std::uint32_t aFlags,
                           std::int32_t aDialogIcon, std::int32_t aFooterIcon, int /*aRadioDef*/,
                           int aWidth, WindowHandle aParent, bool aNonNative,
                           bool /*aEmulateClassicStyle*/,
                           const TaskDialogButtonClicked& aOnButtonClicked) {
    const TaskDialogConfig config =
        BuildTaskDialogConfig(*this, aCommonButtons, aButtonDef, aFlags, aDialogIcon, aFooterIcon,
                              MainFormCaption(MainForm));
    const HWND parent = aParent ? static_cast<HWND>(aParent) : win::DefaultDialogParent();
    const UINT width = aWidth > 0 ? static_cast<UINT>(aWidth) : 0;
    if (!aNonNative && win::IsTaskDialogAvailable()) {
        win::TaskDialogHooks hooks;
        hooks.OnButtonClicked = aOnButtonClicked;
        const win::TaskDialogOutcome outcome =
            win::ShowNativeTaskDialog(config, parent, width, hooks);
        if (outcome.Shown) {
            VerifyChecked = outcome.VerificationChecked;
            return outcome.Button;
        }
    }
    return win::ShowEmulatedTaskDialog(config, parent, width, aOnButtonClicked, VerifyChecked);
}

namespace win {

int ShowInfoMessage(const std::wstring& AText, HWND mainForm, HWND AParent,
                    const std::wstring& AInstruction) {
    return ShowTaskMessage(AInstruction, AText, kButtonOk, tiInformation, AParent, mainForm);
}

int ShowTaskMessage(const std::wstring& AInstruction, const std::wstring& AContent,
                    std::uint32_t ACommonButtons, std::int32_t AIcon, HWND AParent, HWND mainForm,
                    const std::wstring& ATitle, const std::wstring& AFooter,
                    std::int32_t AFooterIcon, int AWidth) {
    TaskDialogBox dialog;
    dialog.Title = ATitle;
    dialog.Inst = AInstruction;
    dialog.Content = AContent;
    dialog.Footer = AFooter;
    dialog.MainForm = mainForm;
    const std::uint32_t flags = FlagBit(tfEnableHyperlinks) | FlagBit(tfAllowDialogCancellation);
    return dialog.Execute(ACommonButtons, 0, flags, AIcon, AFooterIcon, 0, AWidth, AParent);
}

}  // namespace win

}  // namespace orvane
