#include "monitor/core/TimerIntervals.h"

#include <algorithm>

namespace orvane {

std::optional<std::uint32_t> SamplingTimerInterval(std::int32_t refreshRateMs) {
    if (refreshRateMs <= 0) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(refreshRateMs);
}

std::optional<std::uint32_t> DefragTimerInterval(std::int32_t defragEveryMinutes) {
    if (defragEveryMinutes <= 0) {
        return std::nullopt;
    }
    const std::int64_t ms = std::int64_t{defragEveryMinutes} * 60000;
    return static_cast<std::uint32_t>(std::min<std::int64_t>(ms, kMaxTimerIntervalMs));
}

}  // namespace orvane
