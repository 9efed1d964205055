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

int MessageBoxBuilder::Execute(WindowHandle AOwnerForm, bool bUseDeskTopWindow) {
    owner_ = AOwnerForm ? AOwnerForm : (bUseDeskTopWindow ? ::GetDesktopWindow() : nullptr);
    radioOut_ = -1;
    const HWND parent = owner_ ? static_cast<HWND>(owner_) : win::DefaultDialogParent();
    const HWND focus = ::GetFocus();

    win::TaskDialogHooks hooks;
    if (hyperlinks_) {
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
        if (verificationCheckedRes_) {
            *verificationCheckedRes_ = verificationChecked_;
        }
        return kIdCancel;
    }
    if (!radioButtons_.empty()) {
        radioOut_ = RadioIndexFromId(*this, outcome.RadioButton);
    }
    if (verificationCheckedRes_) {
        *verificationCheckedRes_ = outcome.VerificationChecked;
    }
    return outcome.Button;
}

int MessageBoxBuilder::Execute(std::int32_t& ARadioButton, WindowHandle AOwnerForm) {
    const int result = Execute(AOwnerForm, false);
    ARadioButton = radioOut_;
    return result;
}

namespace win {

void OpenBoxLink(const MessageBoxBuilder& box, const std::wstring& url) {
    if (box.linkHandler_) {
        box.linkHandler_(url);
        return;
    }
    ::ShellExecuteW(static_cast<HWND>(box.owner_), L"open", url.c_str(), nullptr, nullptr,
                    SW_SHOWNORMAL);
}

}  // namespace win

}  // namespace orvane
