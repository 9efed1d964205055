#pragma once

#include <cstdint>

namespace orvane {

inline constexpr std::uint32_t kWtsSessionLock = 7;
// A lock asks for the displays to go off this many times, pausing after each request: one
// request is not always enough while the lock screen is still being drawn.
inline constexpr int kMonitorOffRequests = 17;
inline constexpr std::uint32_t kMonitorOffPauseMs = 400;

// Whether a session event switches the displays off: only a lock, and only with the setting on.
constexpr bool SwitchesDisplaysOff(std::uintptr_t sessionEvent, bool switchOffMonitorOnLock) {
    return switchOffMonitorOnLock && sessionEvent == kWtsSessionLock;
}

}  // namespace orvane
