#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "history/core/BoundedRing.h"
#include "history/core/CivilTime.h"
#include "history/core/MinuteRecord.h"
#include "monitor/core/MemorySnapshot.h"

namespace orvane {

// When a tick ran: the system's millisecond count since start (never goes back) for the last
// hour, and the wall clock for the minutes.
struct HistoryTime {
    std::uint64_t TickMs = 0;
    LocalTime Local;
};

// One tick's figures. 16 bytes.
struct TickSample {
    std::uint32_t TickMs = 0;  // low 32 bits of HistoryTime::TickMs
    std::uint16_t Load = 0;    // percent × 100
    std::uint32_t AvailMB = 0;
    std::uint32_t CommitMB = 0;

    bool operator==(const TickSample&) const = default;
};

// A trim or a high-memory step, at tick resolution. 16 bytes.
struct TickMarker {
    std::uint32_t TickMs = 0;
    MinuteMarks Kind = kMarkTrim;
    std::uint32_t AvailBeforeMB = 0;  // trims only
    std::uint32_t AvailAfterMB = 0;

    bool operator==(const TickMarker&) const = default;
};

// The memory history: the last hour tick by tick and the last 24 hours minute by minute, with
// markers where a trim ran and where the high-memory step fired. Fed by the sampling tick from
// the memory status it reads anyway; the caller passes the time in.
class MemoryHistory {
  public:
    static constexpr std::size_t kMaxTicks = 14400;
    static constexpr std::uint32_t kTickSpanMs = 3600000;
    static constexpr std::size_t kMaxTickMarkers = 256;
    static constexpr std::int32_t kMinuteSpan = 1440;
    // The heap the history can hold at most.
    static constexpr std::size_t kMaxHeapBytes =
        HeapBlockBytes(kMaxTicks * sizeof(TickSample)) +
        HeapBlockBytes(kMaxTickMarkers * sizeof(TickMarker)) +
        HeapBlockBytes(kMinuteSpan * sizeof(MinuteRecord));

    // One tick's memory status. True when the tick began a new minute on the wall clock (the
    // first tick, a tick after a minute turned, a tick after the clock was put back).
    bool AddTick(const HistoryTime& now, const MemorySnapshot& snapshot);

    // A trim with the available physical memory before and right after it. It is marked at
    // `tickMs` in the last hour and on the minute of the latest tick.
    void MarkTrim(std::uint64_t tickMs, std::uint64_t availBefore, std::uint64_t availAfter);

    // The high-memory step fired (at the tick just added).
    void MarkHighMemory(std::uint64_t tickMs);

    // Minutes read back from the history file, sorted and one per minute, replace the minutes
    // kept so far; those after the current minute are left out.
    void RestoreMinutes(std::span<const MinuteRecord> minutes);

    // The last hour, oldest first.
    const BoundedRing<TickSample>& Ticks() const { return ticks_; }
    const BoundedRing<TickMarker>& TickMarkers() const { return markers_; }

    // The last 24 hours, oldest first, ending with the current minute so far.
    std::vector<MinuteRecord> Minutes() const;

    std::size_t HeapBytes() const;

  private:
    // The minute the ticks are going into, with the sums behind its means (value-initialised:
    // zero).
    struct OpenMinute {
        MinuteRecord Record;
        std::uint64_t LoadSum;
        std::uint64_t AvailSum;
        std::uint64_t CommitSum;
        std::uint64_t Count;
    };

    void AgeOut(std::uint64_t nowMs);
    void AddToMinute(const TickSample& sample);
    void CloseOpenMinute();

    BoundedRing<TickSample> ticks_{kMaxTicks};
    BoundedRing<TickMarker> markers_{kMaxTickMarkers};
    BoundedRing<MinuteRecord> minutes_{kMinuteSpan};
    std::optional<OpenMinute> open_;
    std::optional<std::uint64_t> latestMs_;  // the latest tick or marker
};

}  // namespace orvane
