#pragma once

#include <cstdint>
#include <functional>

#include "dialogs/core/TaskDialogBox.h"
#include "settings/core/OrvaneOptions.h"

namespace orvane {

// What the two power queries answered. A query that failed counts as "no lid" and
// "mains power".
struct PowerReadings {
    bool CapabilitiesRead = false;
    bool LidPresent = false;
    bool StatusRead = false;
    std::uint8_t ACLineStatus = 255;  // 0 offline, 1 online, 255 unknown
};

bool HasLid(const PowerReadings& readings);
bool IsOnBatteryPower(const PowerReadings& readings);
// A lid, or running on battery (an uninterruptible supply reports the same).
bool IsPortableDevice(const PowerReadings& readings);

// The warning's buttons, numbered apart from the dismissal result.
inline constexpr int kActivateMonitorOption = kFirstTaskDialogButton;
inline constexpr int kKeepMonitorOptionOff = kFirstTaskDialogButton + 1;

// The portable-device warning: texts, the two buttons and the check box.
TaskDialogBox PortableDeviceWarning();

struct MonitorClickActions {
    std::function<bool()> IsPortableDevice;
    // Shows the warning; returns the answer and sets `dontShowAgain` from the check box.
    std::function<int(bool& dontShowAgain)> ShowWarning;
};

// The user changed the "switch off the monitor on lock" box to `ticked`. Warns on a portable
// device unless told not to; returns whether the box stays ticked. A ticked check box in the
// warning sets NoWarningSwithOffMonMobile in `liveOptions`.
bool RunMonitorClick(OrvaneOptions& liveOptions, bool ticked, const MonitorClickActions& actions);

}  // namespace orvane
