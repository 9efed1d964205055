#pragma once

#include <cstdint>

namespace orvane {

// What happened in a minute besides the figures.
enum MinuteMarks : std::uint8_t {
    kMarkTrim = 1,        // the working sets were trimmed (TrimBeforeMB, TrimAfterMB)
    kMarkHighMemory = 2,  // the high-memory step fired
};

// Largest memory load: percent × 100.
inline constexpr std::uint16_t kFullLoad = 10000;

// One minute of memory history: minimum, mean and maximum of the load, of the available physical
// memory and of the commit charge over the ticks of that minute. 48 bytes.
struct MinuteRecord {
    std::int32_t Minute = 0;     // minutes since 1970-01-01 00:00 UTC
    std::int16_t UtcOffset = 0;  // the clock's offset from UTC then, minutes east
    std::uint16_t Samples = 0;   // ticks in the minute
    std::uint16_t LoadMin = 0;   // percent × 100
    std::uint16_t LoadMean = 0;
    std::uint16_t LoadMax = 0;
    std::uint8_t Marks = 0;        // MinuteMarks
    std::uint32_t AvailMinMB = 0;  // available physical memory
    std::uint32_t AvailMeanMB = 0;
    std::uint32_t AvailMaxMB = 0;
    std::uint32_t CommitMinMB = 0;  // commit charge (commit limit minus commit available)
    std::uint32_t CommitMeanMB = 0;
    std::uint32_t CommitMaxMB = 0;
    // Available physical memory before and right after the minute's last trim; 0 without one.
    std::uint32_t TrimBeforeMB = 0;
    std::uint32_t TrimAfterMB = 0;

    bool operator==(const MinuteRecord&) const = default;
};

// Whether a record is one the history could have made: ticks counted, loads within 100 %, each
// minimum ≤ mean ≤ maximum, no trim figures without a trim mark, no unknown marks.
bool IsSoundMinute(const MinuteRecord& record);

// Two records of the same minute as one (a restart within a minute, a file row written twice):
// extremes of both, means weighted by their ticks, marks of both, the later record's trim when
// it has one. Keeps the earlier record's minute and offset.
MinuteRecord CombineMinutes(const MinuteRecord& earlier, const MinuteRecord& later);

}  // namespace orvane
