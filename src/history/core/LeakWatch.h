#pragma once

#include <array>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "history/core/BoundedRing.h"
#include "history/core/LeakRule.h"
#include "history/core/ShortName.h"

namespace orvane {

// A process for as long as it lives: its ID may be reused by a later process, its creation time
// (as the system reports it) tells the two apart.
struct ProcessKey {
    std::uint32_t ProcessId = 0;
    std::uint64_t CreationTime = 0;

    auto operator<=>(const ProcessKey&) const = default;
};

// One process of a minute's snapshot.
struct ProcessPrivateBytes {
    ProcessKey Key;
    std::wstring Name;
    std::uint64_t PrivateBytes = 0;
};

// A process whose private bytes keep growing.
struct LeakSuspect {
    ProcessKey Key;
    std::wstring Name;
    std::uint64_t StartBytes = 0;  // when the growth the rule saw began
    std::uint64_t NowBytes = 0;
    std::int64_t GrowthPerHour = 0;  // bytes
    std::int32_t SinceMinute = 0;    // minutes since 1970 UTC
    std::int32_t NowMinute = 0;

    bool operator==(const LeakSuspect&) const = default;
};

// The three processes with the most private bytes in one minute; an empty name where the
// snapshot had fewer. 208 bytes.
struct MinuteTop {
    struct Entry {
        ShortName Name;
        std::uint32_t PrivateKB = 0;
        bool operator==(const Entry&) const = default;
    };
    std::int32_t Minute = 0;
    std::array<Entry, 3> Processes;

    bool operator==(const MinuteTop&) const = default;
};

// Watches every process's private bytes, one snapshot a minute, for processes that leak memory,
// and keeps each minute's top three for 24 hours. What it keeps has a fixed ceiling: the
// `kMaxProcesses` largest processes are watched, each over the rule's window.
class LeakWatch {
  public:
    static constexpr std::size_t kMaxProcesses = 512;
    static constexpr std::int32_t kTopSpanMinutes = 1440;
    // Snapshots further apart than this break every series (sleep, a stopped clock).
    static constexpr std::int32_t kMaxGapMinutes = 5;

    explicit LeakWatch(const LeakRule& rule = {});

    // A new rule: the series are cut to its window and every suspect is judged afresh.
    void SetRule(const LeakRule& rule);

    // The snapshot of `minute` (minutes since 1970 UTC). A minute not later than the last one
    // (the clock was put back) starts every series afresh and drops the top three of the
    // minutes from it on.
    void AddSnapshot(std::int32_t minute, std::span<const ProcessPrivateBytes> processes);

    // The current suspects, largest growth per hour first.
    std::vector<LeakSuspect> Suspects() const;
    std::optional<LeakSuspect> SuspectOf(const ProcessKey& key) const;

    // Each minute's top three, oldest first, and the one of a given minute (null when none is
    // kept); valid until the next snapshot.
    const BoundedRing<MinuteTop>& TopByMinute() const { return tops_; }
    const MinuteTop* TopAt(std::int32_t minute) const;

    // Everything kept is given back (the watch was switched off).
    void Clear();

    std::size_t HeapBytes() const;
    // The ceiling of HeapBytes().
    static std::size_t MaxHeapBytes();

  private:
    struct Watched {
        ProcessKey Key;
        ShortName Name;
        std::vector<std::uint32_t> Kilobytes;  // the last snapshots, as many as the window needs
        std::optional<std::int32_t> SuspectSince;
        std::uint32_t StartKB = 0;  // at SuspectSince
    };

    std::size_t WindowSamples() const;
    void Judge(Watched& process) const;
    LeakSuspect SuspectFrom(const Watched& process) const;
    void RecordTop(std::int32_t minute, std::span<const ProcessPrivateBytes> processes);

    LeakRule rule_;
    std::vector<Watched> watched_;       // sorted by key
    std::vector<std::int32_t> minutes_;  // the snapshot minutes the series cover, oldest first
    BoundedRing<MinuteTop> tops_{kTopSpanMinutes};
};

}  // namespace orvane
