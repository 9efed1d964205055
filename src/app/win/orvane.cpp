// Program entry: one copy per user session; a second start only hands its command to the
// running copy, or takes over when that copy is on its way out.
#include <windows.h>

#include "app/core/CommandLine.h"
#include "app/win/CommandLineArguments.h"
#include "app/win/Main.h"
#include "app/win/Privileges.h"
#include "app/win/RunningCopy.h"
#include "app/win/SingleInstance.h"
#include "dialogs/win/TaskDialogEmulation.h"
#include "hotkeys/win/HotKeyText.h"
#include "processes/win/WorkingSetTrimmer.h"

namespace {

using namespace orvane;
using namespace orvane::win;

constexpr wchar_t kInstanceMutex[] = L"Local\\Velmoria.Orvane.SingleInstance";
// How long a second copy waits for the running copy's window, which a copy started at the
// same moment may still be making; also how long `/exit` waits for the running copy to end.
constexpr DWORD kRunningCopyWaitMs = 10000;
// After the running copy confirmed a start, it may still get an exit command that was on its
// way: for this long the new copy stays ready to take over.
constexpr DWORD kHandOverGraceMs = 2000;

RunningCopyCommand ForRunningCopy(StartCommand command) {
    switch (command) {
        case StartCommand::Trim:
            return RunningCopyCommand::Trim;
        case StartCommand::Exit:
            return RunningCopyCommand::Exit;
        case StartCommand::Options:
            return RunningCopyCommand::Options;
        default:
            return RunningCopyCommand::ShowRunning;
    }
}

// Asked last before a handed-over start ends: an exit that reached the running copy meanwhile
// makes this copy wait for it and take over.
bool RunningCopyLeaves(SingleInstance& instance) {
    return !SendToRunningCopy(MainWindow::kClassName, RunningCopyCommand::StillRunning) &&
           instance.TakeOver(kRunningCopyWaitMs);
}

int RunProgram(bool openOptions) {
    InitLocalizedModifierNames();
    MainWindow form;
    if (!form.FormCreate()) {
        return 1;
    }
    if (openOptions) {
        form.OpenOptionsWhenLoaded();
    }
    MSG msg;
    // The exit flag ends the loop even where a nested loop (the tray menu's) took the WM_QUIT.
    while (!form.ExitRequested() && ::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (!::IsDialogMessageW(form.Handle(), &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    return 0;
}

void TrimHere() {
    EnablePrivilege(L"SeDebugPrivilege", true);
    TrimAllWorkingSets();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const StartCommand command = ParseCommandLine(CommandLineArguments());
    if (command == StartCommand::Help || command == StartCommand::Unknown) {
        ShowInfoMessage(CommandLineHelpText(), nullptr);  // no window of ours yet
        return command == StartCommand::Help ? kExitDone : kExitUnknownSwitch;
    }
    // Declared before the main form: the mutex goes last, after the icon and the window.
    SingleInstance instance(kInstanceMutex);
    const bool windowFound = ::FindWindowW(MainWindow::kClassName, nullptr) != nullptr;
    if (instance.IsFirst() && !windowFound) {
        switch (command) {
            case StartCommand::Trim:
                TrimHere();
                return kExitDone;
            case StartCommand::Exit:
                return kExitNoRunningCopy;
            default:
                return RunProgram(command == StartCommand::Options);
        }
    }
    if (instance.IsFirst()) {
        // A copy of other rights holds no mutex of ours: only its window answers.
        const bool accepted = SendToRunningCopy(MainWindow::kClassName, ForRunningCopy(command));
        if (command == StartCommand::Trim && !accepted) {
            TrimHere();
        }
        return command == StartCommand::Exit && !accepted ? kExitStillRunning : kExitDone;
    }
    const Handing handOver = HandToRunningCopy(instance, MainWindow::kClassName,
                                               ForRunningCopy(command), kRunningCopyWaitMs);
    switch (command) {
        case StartCommand::Trim:
            if (handOver != Handing::Accepted) {
                TrimHere();
            }
            return kExitDone;
        case StartCommand::Exit:
            if (handOver == Handing::Accepted && !instance.TakeOver(kRunningCopyWaitMs)) {
                return kExitStillRunning;
            }
            return handOver == Handing::NoAnswer ? kExitStillRunning : kExitDone;
        default:
            if (handOver == Handing::TookOver ||
                (handOver == Handing::Accepted &&
                 (instance.TakeOver(kHandOverGraceMs) || RunningCopyLeaves(instance)))) {
                return RunProgram(command == StartCommand::Options);
            }
            return kExitDone;
    }
}
