#pragma once

#include <cstdint>
#include <optional>

namespace orvane {

// A minute as the user's clock shows it, with that clock's offset from UTC (minutes east of
// UTC, +480 for China). The shell fills it from the system clock; the core does no time-zone work.
struct LocalTime {
    int Year = 1970;
    int Month = 1;
    int Day = 1;
    int Hour = 0;
    int Minute = 0;
    int UtcOffsetMinutes = 0;

    bool operator==(const LocalTime&) const = default;
};

inline constexpr int kMaxUtcOffsetMinutes = 14 * 60;
inline constexpr int kMaxCivilYear = 4000;

// Minutes since 1970-01-01 00:00 UTC, the history's time axis; nullopt for a field out of range
// (a day the month does not have, an offset beyond 14 hours, a year outside 1970..4000, or a
// time before 1970 in UTC).
std::optional<std::int32_t> UtcMinuteOf(const LocalTime& time);

// The local time of a UTC minute at the given offset.
LocalTime LocalTimeOf(std::int32_t utcMinute, int utcOffsetMinutes);

}  // namespace orvane
