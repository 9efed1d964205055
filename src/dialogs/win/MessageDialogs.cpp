#include "dialogs/win/MessageDialogs.h"

#include <shellapi.h>

#include <vector>

#include "dialogs/core/TaskDialogConfig.h"
#include "dialogs/win/TaskDialogNative.h"

namespace orvane {

namespace {

// Disables the thread's other visible windows while a box is open and enables them again
// afterwards, as a modal window of the program's own would.
class ThreadWindowsDisabled {
  public:
    ThreadWindowsDisabled() {
        ::EnumThreadWindows(::GetCurrentThreadId(), &Disable, reinterpret_cast<LPARAM>(this));
    }
    ~ThreadWindowsDisabled() {
        for (HWND w : disabled_) {
            if (::IsWindow(w)) {
                ::EnableWindow(w, TRUE);
            }
        }
    }
    ThreadWindowsDisabled(const ThreadWindowsDisabled&) = delete;
    ThreadWindowsDisabled& operator=(const ThreadWindowsDisabled&) = delete;

  private:
    static BOOL CALLBACK Disable(HWND w, LPARAM self) {
        if (::IsWindowVisible(w) && ::IsWindowEnabled(w)) {
            ::EnableWindow(w, FALSE);
            reinterpret_cast<ThreadWindowsDisabled*>(self)->disabled_.push_back(w);
        }
        return TRUE;
    }
    std::vector<HWND> disabled_;
};

}  // namespace

int TMsgBox::Execute(WindowHandle AOwnerForm, bool bUseDeskTopWindow) {
    FOwner = AOwnerForm ? AOwnerForm : (bUseDeskTopWindow ? ::GetDesktopWindow() : nullptr);
    FRadioOut = -1;
    const HWND parent = FOwner ? static_cast<HWND>(FOwner) : win::DefaultDialogParent();
    const HWND focus = ::GetFocus();

    win::TaskDialogHooks hooks;
    if (FHyperlinks) {
        hooks.OnHyperlink = [this](const wchar_t* url) {
            win::OpenBoxLink(*this, url ? url : L"");
        };
    }
    win::TaskDialogOutcome outcome;
    {
        ThreadWindowsDisabled disabled;
        outcome = win::ShowNativeTaskDialog(BuildTaskDialogConfig(*this), parent, 0, hooks);
    }
    if (parent && ::IsWindow(parent) && ::IsWindowVisible(parent)) {
        ::SetActiveWindow(parent);
    }
    if (focus && ::IsWindow(focus)) {
        ::SetFocus(focus);
    }

    if (!outcome.Shown) {
        if (FVerificationCheckedRes) {
            *FVerificationCheckedRes = FVerificationChecked;
        }
        return kIdCancel;
    }
    if (!FRadioButtons.empty()) {
        FRadioOut = RadioIndexFromId(*this, outcome.RadioButton);
    }
    if (FVerificationCheckedRes) {
        *FVerificationCheckedRes = outcome.VerificationChecked;
    }
    return outcome.Button;
}

int TMsgBox::Execute(std::int32_t& ARadioButton, WindowHandle AOwnerForm) {
    const int result = Execute(AOwnerForm, false);
    ARadioButton = FRadioOut;
    return result;
}

namespace win {

void OpenBoxLink(const TMsgBox& box, const std::wstring& url) {
    if (box.FLinkHandler) {
        box.FLinkHandler(url);
        return;
    }
    ::ShellExecuteW(static_cast<HWND>(box.FOwner), L"open", url.c_str(), nullptr, nullptr,
                    SW_SHOWNORMAL);
}

}  // namespace win

}  // namespace orvane
