#pragma once

#include <cstdint>
#include <optional>

namespace orvane {

// The longest interval a window timer accepts (USER_TIMER_MAXIMUM).
inline constexpr std::uint32_t kMaxTimerIntervalMs = 0x7FFFFFFF;

// The sampling timer's interval for RefreshRate milliseconds; none (no timer) when not positive.
std::optional<std::uint32_t> SamplingTimerInterval(std::int32_t refreshRateMs);

// The trimming timer's interval for DefragEvery minutes, held to the longest a timer accepts;
// none (no periodic trim) when not positive.
std::optional<std::uint32_t> DefragTimerInterval(std::int32_t defragEveryMinutes);

}  // namespace orvane
