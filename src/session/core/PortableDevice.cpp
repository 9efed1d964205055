#include "session/core/PortableDevice.h"

namespace orvane {

bool HasLid(const PowerReadings& readings) {
    return readings.CapabilitiesRead && readings.LidPresent;
}

bool IsOnBatteryPower(const PowerReadings& readings) {
    return readings.StatusRead && readings.ACLineStatus == 0;
}

bool IsPortableDevice(const PowerReadings& readings) {
    return HasLid(readings) || IsOnBatteryPower(readings);
}

TaskDialogBox PortableDeviceWarning() {
    TaskDialogBox dialog;
    dialog.Title = L"警告";
    dialog.Inst = L"检测到在便携式设备上运行";
    dialog.Content =
        L"计算机锁定时会关闭显示屏, 只能使用外部显示器进行操作.\r\n\r\n你确定要激活此选项?";
    dialog.Buttons = L"激活选项\n不激活";
    dialog.Verify = L"不再显示此警告";
    return dialog;
}

bool RunMonitorClick(OrvaneOptions& liveOptions, bool ticked, const MonitorClickActions& actions) {
    if (!ticked || liveOptions.NoWarningSwithOffMonMobile || !actions.IsPortableDevice()) {
        return ticked;
    }
    bool dontShowAgain = false;
    const int answer = actions.ShowWarning(dontShowAgain);
    if (dontShowAgain) {
        liveOptions.NoWarningSwithOffMonMobile = true;
    }
    return answer != kKeepMonitorOptionOff;
}

}  // namespace orvane
