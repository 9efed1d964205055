#include "history/core/MinuteRecord.h"

#include <algorithm>

namespace orvane {

namespace {

template <typename T>
bool Ordered(T min, T mean, T max) {
    return min <= mean && mean <= max;
}

// The mean of two means weighted by their counts, rounded to the nearest.
template <typename T>
T WeightedMean(T a, std::uint64_t countA, T b, std::uint64_t countB) {
    const std::uint64_t total = countA + countB;
    if (total == 0) {
        return a;
    }
    return static_cast<T>((std::uint64_t{a} * countA + std::uint64_t{b} * countB + total / 2) /
                          total);
}

}  // namespace

bool IsSoundMinute(const MinuteRecord& record) {
    constexpr std::uint8_t kKnownMarks = kMarkTrim | kMarkHighMemory;
    const bool trimmed = (record.Marks & kMarkTrim) != 0;
    return record.Samples > 0 && record.LoadMax <= kFullLoad &&
           (record.Marks & ~kKnownMarks) == 0 &&
           Ordered(record.LoadMin, record.LoadMean, record.LoadMax) &&
           Ordered(record.AvailMinMB, record.AvailMeanMB, record.AvailMaxMB) &&
           Ordered(record.CommitMinMB, record.CommitMeanMB, record.CommitMaxMB) &&
           (trimmed || (record.TrimBeforeMB == 0 && record.TrimAfterMB == 0));
}

MinuteRecord CombineMinutes(const MinuteRecord& earlier, const MinuteRecord& later) {
    const std::uint64_t a = earlier.Samples;
    const std::uint64_t b = later.Samples;
    MinuteRecord combined = earlier;
    combined.Samples = static_cast<std::uint16_t>(std::min<std::uint64_t>(a + b, UINT16_MAX));
    combined.LoadMin = std::min(earlier.LoadMin, later.LoadMin);
    combined.LoadMean = WeightedMean(earlier.LoadMean, a, later.LoadMean, b);
    combined.LoadMax = std::max(earlier.LoadMax, later.LoadMax);
    combined.AvailMinMB = std::min(earlier.AvailMinMB, later.AvailMinMB);
    combined.AvailMeanMB = WeightedMean(earlier.AvailMeanMB, a, later.AvailMeanMB, b);
    combined.AvailMaxMB = std::max(earlier.AvailMaxMB, later.AvailMaxMB);
    combined.CommitMinMB = std::min(earlier.CommitMinMB, later.CommitMinMB);
    combined.CommitMeanMB = WeightedMean(earlier.CommitMeanMB, a, later.CommitMeanMB, b);
    combined.CommitMaxMB = std::max(earlier.CommitMaxMB, later.CommitMaxMB);
    combined.Marks = earlier.Marks | later.Marks;
    if ((later.Marks & kMarkTrim) != 0) {
        combined.TrimBeforeMB = later.TrimBeforeMB;
        combined.TrimAfterMB = later.TrimAfterMB;
    }
    return combined;
}

}  // namespace orvane
