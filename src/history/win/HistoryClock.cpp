#include "history/win/HistoryClock.h"

#include <windows.h>

namespace orvane::win {

namespace {

LocalTime AsLocalTime(const SYSTEMTIME& time) {
    LocalTime local;
    local.Year = time.wYear;
    local.Month = time.wMonth;
    local.Day = time.wDay;
    local.Hour = time.wHour;
    local.Minute = time.wMinute;
    return local;
}

}  // namespace

std::uint64_t SystemHistoryClock::TickMs() {
    return ::GetTickCount64();
}

// The offset is what separates the local clock from UTC at this moment, summer time included.
LocalTime SystemHistoryClock::Now() {
    SYSTEMTIME utc{};
    SYSTEMTIME local{};
    ::GetSystemTime(&utc);
    ::SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local);
    LocalTime now = AsLocalTime(local);
    const auto utcMinute = UtcMinuteOf(AsLocalTime(utc));
    const auto localMinute = UtcMinuteOf(now);
    if (utcMinute && localMinute) {
        const int offset = *localMinute - *utcMinute;
        if (offset >= -kMaxUtcOffsetMinutes && offset <= kMaxUtcOffsetMinutes) {
            now.UtcOffsetMinutes = offset;
        }
    }
    return now;
}

std::int64_t SystemHistoryClock::EpochMs() {
    FILETIME now{};
    ::GetSystemTimeAsFileTime(&now);
    const std::uint64_t ticks = (std::uint64_t{now.dwHighDateTime} << 32) | now.dwLowDateTime;
    constexpr std::uint64_t kUnixEpochTicks = 116444736000000000ULL;  // 1970-01-01 in 100 ns
    return static_cast<std::int64_t>((ticks - kUnixEpochTicks) / 10000);
}

}  // namespace orvane::win
