#include "session/win/PowerStatus.h"

#include <windows.h>
// windows.h first: the power header needs its types.
#include <powrprof.h>

namespace orvane::win {

PowerReadings ReadPowerReadings() {
    PowerReadings readings;
    SYSTEM_POWER_CAPABILITIES capabilities{};
    if (::GetPwrCapabilities(&capabilities)) {
        readings.CapabilitiesRead = true;
        readings.LidPresent = capabilities.LidPresent != FALSE;
    }
    SYSTEM_POWER_STATUS status{};
    if (::GetSystemPowerStatus(&status)) {
        readings.StatusRead = true;
        readings.ACLineStatus = status.ACLineStatus;
    }
    return readings;
}

bool HasLid() {
    return orvane::HasLid(ReadPowerReadings());
}

bool IsOnBatteryPower() {
    return orvane::IsOnBatteryPower(ReadPowerReadings());
}

bool IsPortableDevice() {
    return orvane::IsPortableDevice(ReadPowerReadings());
}

}  // namespace orvane::win
