#include "history/core/CivilTime.h"

namespace orvane {

namespace {

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar, in 400-year eras.
std::int64_t DaysFromCivil(int year, int month, int day) {
    const std::int64_t y = year - (month <= 2 ? 1 : 0);
    const std::int64_t era = y / 400;
    const std::int64_t yearOfEra = y - era * 400;
    const std::int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

}  // namespace

std::optional<std::int32_t> UtcMinuteOf(const LocalTime& time) {
    if (time.Year < 1970 || time.Year > kMaxCivilYear || time.Month < 1 || time.Month > 12 ||
        time.Day < 1 || time.Day > DaysInMonth(time.Year, time.Month) || time.Hour < 0 ||
        time.Hour > 23 || time.Minute < 0 || time.Minute > 59 ||
        time.UtcOffsetMinutes < -kMaxUtcOffsetMinutes ||
        time.UtcOffsetMinutes > kMaxUtcOffsetMinutes) {
        return std::nullopt;
    }
    const std::int64_t minute = DaysFromCivil(time.Year, time.Month, time.Day) * 1440 +
                                time.Hour * 60 + time.Minute - time.UtcOffsetMinutes;
    if (minute < 0) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(minute);
}

LocalTime LocalTimeOf(std::int32_t utcMinute, int utcOffsetMinutes) {
    const std::int64_t local = std::int64_t{utcMinute} + utcOffsetMinutes;
    std::int64_t days = local / 1440;
    std::int64_t minuteOfDay = local % 1440;
    if (minuteOfDay < 0) {
        minuteOfDay += 1440;
        --days;
    }
    // The inverse of DaysFromCivil.
    const std::int64_t z = days + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t dayOfEra = z - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t mp = (5 * dayOfYear + 2) / 153;
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    LocalTime time;
    time.Year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    time.Month = month;
    time.Day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    time.Hour = static_cast<int>(minuteOfDay / 60);
    time.Minute = static_cast<int>(minuteOfDay % 60);
    time.UtcOffsetMinutes = utcOffsetMinutes;
    return time;
}

}  // namespace orvane
