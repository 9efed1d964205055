#include "monitor/win/LowMemoryWarning.h"

#include "common/win/Handles.h"
#include "dialogs/win/MessageDialogs.h"
#include "monitor/core/LowMemoryDialog.h"

namespace orvane::win {

void ForceForeground(HWND window) {
    // A 1 x 1 top-most form of ours takes the foreground; the system then lets this program
    // put its next window in front. Input is shared with the current foreground thread for
    // that moment instead of sending a synthetic click.
    UniqueWindow form(::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP,
                                        0, 0, 1, 1, nullptr, nullptr, ::GetModuleHandleW(nullptr),
                                        nullptr));
    if (form) {
        ::ShowWindow(form.get(), SW_SHOWNOACTIVATE);
        const DWORD self = ::GetCurrentThreadId();
        const HWND foreground = ::GetForegroundWindow();
        const DWORD other = foreground ? ::GetWindowThreadProcessId(foreground, nullptr) : 0;
        const bool attached = other != 0 && other != self && ::AttachThreadInput(self, other, TRUE);
        ::SetForegroundWindow(form.get());
        ::BringWindowToTop(form.get());
        if (attached) {
            ::AttachThreadInput(self, other, FALSE);
        }
    }
    ::SetForegroundWindow(window);
}

void ShowLowMemoryDialog(OrvaneOptions& options, const std::wstring& title,
                         const std::wstring& text, const std::function<void()>& trim,
                         const std::function<void()>& launchTaskManager) {
    LowMemoryDialogActions actions;
    actions.ForceForeground = [] { ForceForeground(::GetDesktopWindow()); };
    actions.Execute = [](MessageBoxBuilder& box) { return box.Execute(); };
    actions.TrimAllWorkingSets = trim;
    actions.LaunchTaskManager = launchTaskManager;
    RunLowMemoryDialog(options, title, text, actions);
}

}  // namespace orvane::win
