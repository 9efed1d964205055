#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace orvane {

// When a process counts as a leak suspect: over at least its last `Minutes` minutes its private
// bytes grew in at least 80 % of the minutes, by at least `GrowthMB` and by at least
// `GrowthPercent` of where they started.
struct LeakRule {
    std::int32_t Minutes = 30;
    std::int32_t GrowthMB = 100;
    std::int32_t GrowthPercent = 50;

    bool operator==(const LeakRule&) const = default;
};

// Sane values of the rule; the settings read anything else as the default.
inline constexpr std::int32_t kMinLeakMinutes = 10;
inline constexpr std::int32_t kMaxLeakMinutes = 120;
inline constexpr std::int32_t kMinLeakGrowthMB = 10;
inline constexpr std::int32_t kMaxLeakGrowthMB = 1048576;
inline constexpr std::int32_t kMinLeakGrowthPercent = 1;
inline constexpr std::int32_t kMaxLeakGrowthPercent = 1000;

// A process's private bytes in KB at the snapshot minutes, oldest first; the minutes rise.
struct PrivateBytesSeries {
    std::span<const std::int32_t> Minutes;
    std::span<const std::uint32_t> Kilobytes;
};

// The start of the rule's window when the series shows a leak under `rule`, else nullopt. The
// window starts at the newest sample at least `rule.Minutes` before the last one; a process not
// watched that long is no suspect. Samples further apart than a minute count for as many
// minutes as lie between them.
std::optional<std::size_t> LeakStart(const PrivateBytesSeries& series, const LeakRule& rule);

}  // namespace orvane
