#pragma once

#include "session/core/PortableDevice.h"

namespace orvane::win {

// The machine's lid and power-line answers, read now.
PowerReadings ReadPowerReadings();

bool HasLid();
bool IsOnBatteryPower();
bool IsPortableDevice();

}  // namespace orvane::win
