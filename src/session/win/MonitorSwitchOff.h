#pragma once

#include <windows.h>

#include <functional>

#include "settings/core/OrvaneOptions.h"

namespace orvane::win {

// The portable-device warning, modal to `owner` and titled with `mainForm`'s caption; the
// imitation dialog when `imitation`. Returns the pressed button (100 activate, 101 do not) or
// 2 when dismissed.
int ShowPortableDeviceWarning(HWND owner, HWND mainForm, bool& dontShowAgain,
                              bool imitation = false);

// Where CheckMonitorClick learns whether the machine is portable and how it shows the warning;
// the program uses the defaults.
struct MonitorClickSource {
    std::function<bool()> IsPortableDevice;  // empty: the machine's power answers
    bool Imitation = false;
};

// The options dialog's "switch off the monitor on lock" box became `ticked` by the user's
// click. Warns on a portable device (unless the user silenced it, which the warning's check
// box does in `liveOptions`); returns whether the box stays ticked (false: untick it).
bool CheckMonitorClick(HWND owner, HWND mainForm, OrvaneOptions& liveOptions, bool ticked = true,
                       const MonitorClickSource& source = {});

}  // namespace orvane::win
