#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "history/core/CivilTime.h"
#include "history/core/LeakWatch.h"
#include "history/core/MemoryHistory.h"

namespace orvane {
namespace {

constexpr std::size_t kOneMegabyte = 1 << 20;

// Everything the history and the leak watch keep, filled to the brim: a day of minutes, an hour
// of ticks at four a second, the most markers, the longest leak window over more processes than
// are watched, each with a name longer than is kept, and a day of top-three minutes.
TEST(HistoryBoundTest, AllHistoryAndLeakDataStayWithinOneMegabyte) {
    constexpr std::int32_t kStart = 29054880;
    MemoryHistory history;
    LeakWatch leaks({kMaxLeakMinutes, kMinLeakGrowthMB, kMinLeakGrowthPercent});

    std::vector<ProcessPrivateBytes> processes;
    for (std::uint32_t pid = 1; pid <= 700; ++pid) {
        processes.push_back({{pid, 1000 + pid},
                             L"a-rather-long-process-name-number-" + std::to_wstring(pid) + L".exe",
                             std::uint64_t{pid} << 20});
    }
    MemorySnapshot memory;
    memory.MemoryLoad = 50;
    memory.AvailPhys = std::uint64_t{8} << 30;
    memory.TotalPageFile = std::uint64_t{32} << 30;

    // The processes join for the last window only: what they keep is the same, the test faster.
    const std::span<const ProcessPrivateBytes> few(processes.data(), 3);
    std::uint64_t ms = 0;
    for (std::int32_t minute = 0; minute < 1440; ++minute, ms += 60000) {
        history.AddTick({ms, LocalTimeOf(kStart + minute, 480)}, memory);
        for (auto& process : processes) {
            process.PrivateBytes += 1 << 20;
        }
        leaks.AddSnapshot(kStart + minute, minute < 1440 - 1 - kMaxLeakMinutes
                                               ? few
                                               : std::span<const ProcessPrivateBytes>(processes));
    }
    for (int tick = 0; tick < 20000; ++tick, ms += 250) {
        memory.MemoryLoad = static_cast<std::uint32_t>(tick % 101);
        history.AddTick(
            {ms, LocalTimeOf(kStart + 1440 + static_cast<std::int32_t>(tick / 240), 480)}, memory);
        if (tick % 50 == 0) {
            history.MarkTrim(ms, std::uint64_t{1} << 30, std::uint64_t{2} << 30);
        }
    }

    EXPECT_EQ(history.Ticks().size(), MemoryHistory::kMaxTicks);
    EXPECT_EQ(history.TickMarkers().size(), MemoryHistory::kMaxTickMarkers);
    EXPECT_EQ(history.Minutes().size(), 1440u);
    EXPECT_EQ(leaks.TopByMinute().size(), 1440u);
    EXPECT_EQ(leaks.Suspects().size(), LeakWatch::kMaxProcesses);  // every watched one leaks

    const std::size_t used =
        sizeof(history) + history.HeapBytes() + sizeof(leaks) + leaks.HeapBytes();
    const std::size_t ceiling =
        sizeof(history) + MemoryHistory::kMaxHeapBytes + sizeof(leaks) + LeakWatch::MaxHeapBytes();
    EXPECT_LE(history.HeapBytes(), MemoryHistory::kMaxHeapBytes);
    EXPECT_LE(leaks.HeapBytes(), LeakWatch::MaxHeapBytes());
    EXPECT_LE(ceiling, kOneMegabyte);
    std::printf("history and leak data: %zu bytes at full capacity, ceiling %zu, limit %zu\n", used,
                ceiling, kOneMegabyte);
}

}  // namespace
}  // namespace orvane
