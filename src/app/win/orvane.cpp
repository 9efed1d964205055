// Program entry: one copy per desktop; a second start only wakes the running copy.
#include <windows.h>

#include "app/win/Main.h"
#include "hotkeys/win/HotKeyText.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    using orvane::win::TFrmOrvaneMain;
    if (HWND running = ::FindWindowW(TFrmOrvaneMain::kClassName, nullptr)) {
        ::PostMessageW(running, TFrmOrvaneMain::WM_RUNNINGCOPY, 0, 0);
        return 0;
    }
    orvane::win::InitLocalizedModifierNames();

    TFrmOrvaneMain form;
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
