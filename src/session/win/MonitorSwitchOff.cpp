#include "session/win/MonitorSwitchOff.h"

#include "dialogs/win/TaskDialogEmulation.h"
#include "session/core/PortableDevice.h"
#include "session/win/PowerStatus.h"

namespace orvane::win {

int ShowPortableDeviceWarning(HWND owner, HWND mainForm, bool& dontShowAgain, bool imitation) {
    TaskDialogBox dialog = PortableDeviceWarning();
    dialog.MainForm = mainForm;
    const int answer = dialog.Execute(0, 0, FlagBit(tfAllowDialogCancellation), tiWarning, tfiBlank,
                                      0, 0, owner, imitation);
    dontShowAgain = dialog.VerifyChecked;
    return answer;
}

bool CheckMonitorClick(HWND owner, HWND mainForm, OrvaneOptions& liveOptions, bool ticked,
                       const MonitorClickSource& source) {
    MonitorClickActions actions;
    actions.IsPortableDevice = source.IsPortableDevice
                                   ? source.IsPortableDevice
                                   : std::function<bool()>(&win::IsPortableDevice);
    actions.ShowWarning = [&](bool& dontShowAgain) {
        return ShowPortableDeviceWarning(owner, mainForm, dontShowAgain, source.Imitation);
    };
    return RunMonitorClick(liveOptions, ticked, actions);
}

}  // namespace orvane::win
