// Program entry: one copy per user session; a second start only wakes the running copy.
#include <windows.h>

#include "app/win/Main.h"
#include "app/win/SingleInstance.h"
#include "hotkeys/win/HotKeyText.h"

namespace {

constexpr wchar_t kInstanceMutex[] = L"Local\\Velmoria.Orvane.SingleInstance";
// How long a second copy waits for the running copy's window, which a copy started at the
// same moment may still be making.
constexpr DWORD kRunningCopyWaitMs = 10000;

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    using orvane::win::MainWindow;
    const orvane::win::SingleInstance instance(kInstanceMutex);
    if (!instance.IsFirst() || ::FindWindowW(MainWindow::kClassName, nullptr)) {
        orvane::win::NotifyRunningCopy(MainWindow::kClassName, MainWindow::WM_RUNNINGCOPY,
                                       instance.IsFirst() ? 0 : kRunningCopyWaitMs);
        return 0;
    }
    orvane::win::InitLocalizedModifierNames();

    MainWindow form;
    if (!form.FormCreate()) {
        return 1;
    }
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (!::IsDialogMessageW(form.Handle(), &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    return 0;
}
