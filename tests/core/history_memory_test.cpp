#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "history/core/BoundedRing.h"
#include "history/core/CivilTime.h"
#include "history/core/MemoryHistory.h"

namespace orvane {
namespace {

constexpr std::uint64_t kMiB = 1 << 20;
constexpr std::uint64_t kGiB = std::uint64_t{1} << 30;

// 2025-03-30 08:00 in UTC+8.
constexpr std::int32_t kBaseMinute = 29054880;
constexpr int kChina = 480;

HistoryTime At(std::int32_t minuteOffset, std::uint64_t tickMs, int utcOffset = kChina) {
    return {tickMs, LocalTimeOf(kBaseMinute + minuteOffset, utcOffset)};
}

MemorySnapshot Memory(std::uint32_t load, std::uint64_t availPhys, std::uint64_t commit = 0) {
    MemorySnapshot snapshot;
    snapshot.MemoryLoad = load;
    snapshot.TotalPhys = 16 * kGiB;
    snapshot.AvailPhys = availPhys;
    snapshot.TotalPageFile = 32 * kGiB;
    snapshot.AvailPageFile = 32 * kGiB - commit;
    return snapshot;
}

TEST(HistoryRingTest, KeepsTheNewestInOrderAndNeverOutgrowsItsSize) {
    BoundedRing<int> ring(40);
    for (int i = 0; i < 100; ++i) {
        ring.push_back(i);
        ASSERT_LE(ring.size(), 40u);
        EXPECT_LE(ring.HeapBytes(), HeapBlockBytes(40 * sizeof(int)));
    }
    ASSERT_EQ(ring.size(), 40u);
    for (std::size_t i = 0; i < ring.size(); ++i) {
        EXPECT_EQ(ring[i], 60 + static_cast<int>(i));
    }
    ring.pop_front();
    ring.pop_back();
    EXPECT_EQ(ring.front(), 61);
    EXPECT_EQ(ring.back(), 98);
    ring.push_back(7);  // after a wrap and removals at both ends
    EXPECT_EQ(ring.back(), 7);
    EXPECT_EQ(ring.size(), 39u);
    ring.clear();
    EXPECT_TRUE(ring.empty());
    EXPECT_EQ(ring.HeapBytes(), 0u);
}

TEST(HistoryCivilTimeTest, LocalMinutesMapToTheUtcAxisAndBack) {
    struct Case {
        LocalTime local;
        std::int32_t minute;
    };
    const Case cases[] = {
        {{1970, 1, 1, 0, 0, 0}, 0},
        {{2000, 2, 29, 12, 34, 480}, 15863314},
        {{2024, 12, 31, 23, 59, -300}, 28928459},  // already the next year in UTC
        {{2025, 3, 30, 8, 0, 480}, kBaseMinute},
        {{4000, 12, 31, 23, 59, 0}, 1068203519},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(UtcMinuteOf(c.local), c.minute) << c.local.Year << "-" << c.local.Month;
        EXPECT_EQ(LocalTimeOf(c.minute, c.local.UtcOffsetMinutes), c.local);
    }
    for (std::int32_t minute = 0; minute < 1068000000; minute += 7919 * 13) {
        for (const int offset : {-720, -210, 0, 345, 840}) {
            const LocalTime local = LocalTimeOf(minute + 840, offset);
            ASSERT_EQ(UtcMinuteOf(local), minute + 840) << minute << " " << offset;
        }
    }
}

TEST(HistoryCivilTimeTest, FieldsOutOfRangeHaveNoMinute) {
    const LocalTime bad[] = {
        {2023, 2, 29, 0, 0, 0},  {2100, 2, 29, 0, 0, 0},  {2024, 13, 1, 0, 0, 0},
        {2024, 0, 1, 0, 0, 0},   {2024, 4, 31, 0, 0, 0},  {2024, 1, 1, 24, 0, 0},
        {2024, 1, 1, 0, 60, 0},  {2024, 1, 1, 0, 0, 841}, {2024, 1, 1, 0, 0, -841},
        {1969, 12, 31, 0, 0, 0}, {1970, 1, 1, 0, 0, 60},  {4001, 1, 1, 0, 0, 0},
    };
    for (const LocalTime& time : bad) {
        EXPECT_FALSE(UtcMinuteOf(time)) << time.Year << "-" << time.Month << "-" << time.Day << " "
                                        << time.Hour << ":" << time.Minute;
    }
    EXPECT_TRUE(UtcMinuteOf({2024, 2, 29, 23, 59, -840}));
}

TEST(HistoryTicksTest, KeepTheLastHourUpToTheCap) {
    MemoryHistory history;
    for (std::uint64_t ms = 0; ms <= 2 * 3600000; ms += 2000) {
        history.AddTick(At(static_cast<std::int32_t>(ms / 60000), ms), Memory(50, 4 * kGiB));
    }
    const auto& ticks = history.Ticks();
    ASSERT_EQ(ticks.size(), 1801u);  // an hour's ticks, both ends included
    EXPECT_EQ(ticks.back().TickMs, 7200000u);
    EXPECT_EQ(ticks.front().TickMs, 3600000u);
    EXPECT_EQ(ticks.back(), (TickSample{7200000, 5000, 4096, 0}));

    MemoryHistory fast;  // ticks every 100 ms: the cap holds, the newest stay
    for (std::uint64_t ms = 0; ms < 2000000; ms += 100) {
        fast.AddTick(At(static_cast<std::int32_t>(ms / 60000), ms), Memory(50, 4 * kGiB));
    }
    ASSERT_EQ(fast.Ticks().size(), MemoryHistory::kMaxTicks);
    EXPECT_EQ(fast.Ticks().back().TickMs, 1999900u);
    EXPECT_EQ(fast.Ticks().front().TickMs, 1999900u - (MemoryHistory::kMaxTicks - 1) * 100);
}

TEST(HistoryTicksTest, AGapOfMoreThanAnHourStartsAfresh) {
    MemoryHistory history;
    // The tick count's low 32 bits wrap after 49.7 days; an old sample must not look recent.
    const std::uint64_t wrap = std::uint64_t{1} << 32;
    history.AddTick(At(0, 1000), Memory(50, kGiB));
    history.MarkTrim(1500, kGiB, 2 * kGiB);
    history.AddTick(At(72000, wrap + 1000), Memory(60, kGiB));
    ASSERT_EQ(history.Ticks().size(), 1u);
    EXPECT_EQ(history.Ticks().front().Load, 6000);
    EXPECT_TRUE(history.TickMarkers().empty());
}

TEST(HistoryMinutesTest, TicksOfAMinuteBecomeItsMinimumMeanAndMaximum) {
    MemoryHistory history;
    EXPECT_TRUE(history.AddTick(At(0, 0), Memory(40, 1000 * kMiB, 3000 * kMiB)));
    EXPECT_FALSE(history.AddTick(At(0, 20000), Memory(41, 1001 * kMiB, 3001 * kMiB)));
    EXPECT_FALSE(history.AddTick(At(0, 40000), Memory(45, 1003 * kMiB + kMiB / 2, 2990 * kMiB)));
    EXPECT_TRUE(history.AddTick(At(1, 60000), Memory(99, 10 * kMiB, 5000 * kMiB)));

    const auto minutes = history.Minutes();
    ASSERT_EQ(minutes.size(), 2u);
    const MinuteRecord& first = minutes[0];
    EXPECT_EQ(first.Minute, kBaseMinute);
    EXPECT_EQ(first.UtcOffset, kChina);
    EXPECT_EQ(first.Samples, 3);
    EXPECT_EQ(first.LoadMin, 4000);
    EXPECT_EQ(first.LoadMean, 4200);  // 42 %
    EXPECT_EQ(first.LoadMax, 4500);
    EXPECT_EQ(first.AvailMinMB, 1000u);
    EXPECT_EQ(first.AvailMeanMB, 1002u);  // 1000, 1001 and 1004 (1003.5 to even): 1001.67
    EXPECT_EQ(first.AvailMaxMB, 1004u);
    EXPECT_EQ(first.CommitMinMB, 2990u);
    EXPECT_EQ(first.CommitMeanMB, 2997u);
    EXPECT_EQ(first.CommitMaxMB, 3001u);
    EXPECT_EQ(first.Marks, 0);
    EXPECT_EQ(minutes[1].Minute, kBaseMinute + 1);  // the current minute so far
    EXPECT_EQ(minutes[1].Samples, 1);
    EXPECT_EQ(minutes[1].LoadMean, 9900);
}

TEST(HistoryMinutesTest, MeansRoundToTheNearestHundredthOfAPercent) {
    MemoryHistory history;
    history.AddTick(At(0, 0), Memory(40, kGiB));
    history.AddTick(At(0, 1000), Memory(41, kGiB));
    history.AddTick(At(0, 2000), Memory(41, kGiB));
    EXPECT_EQ(history.Minutes()[0].LoadMean, 4067);  // 40.666…
}

TEST(HistoryMinutesTest, KeepTwentyFourHours) {
    MemoryHistory history;
    for (std::int32_t minute = 0; minute < 25 * 60; ++minute) {
        history.AddTick(At(minute, static_cast<std::uint64_t>(minute) * 60000), Memory(50, kGiB));
    }
    const auto minutes = history.Minutes();
    ASSERT_EQ(minutes.size(), 1440u);
    EXPECT_EQ(minutes.back().Minute, kBaseMinute + 25 * 60 - 1);
    EXPECT_EQ(minutes.front().Minute, minutes.back().Minute - 1439);
}

TEST(HistoryMinutesTest, AClockPutBackDropsTheMinutesNowInTheFuture) {
    MemoryHistory history;
    for (std::int32_t minute = 0; minute < 10; ++minute) {
        history.AddTick(At(minute, static_cast<std::uint64_t>(minute) * 60000), Memory(50, kGiB));
    }
    EXPECT_TRUE(history.AddTick(At(4, 600000), Memory(70, kGiB)));
    const auto minutes = history.Minutes();
    ASSERT_EQ(minutes.size(), 5u);
    EXPECT_EQ(minutes[3].Minute, kBaseMinute + 3);
    // Minute 4 was lived twice: both count.
    EXPECT_EQ(minutes.back().Minute, kBaseMinute + 4);
    EXPECT_EQ(minutes.back().Samples, 2);
    EXPECT_EQ(minutes.back().LoadMean, 6000);
}

TEST(HistoryMinutesTest, ASummerTimeChangeIsOneMinuteLater) {
    MemoryHistory history;
    // 01:59 at UTC+1 is followed by 03:00 at UTC+2: one minute on the UTC axis.
    history.AddTick({0, {2025, 3, 30, 1, 59, 60}}, Memory(50, kGiB));
    EXPECT_TRUE(history.AddTick({60000, {2025, 3, 30, 3, 0, 120}}, Memory(50, kGiB)));
    const auto minutes = history.Minutes();
    ASSERT_EQ(minutes.size(), 2u);
    EXPECT_EQ(minutes[1].Minute - minutes[0].Minute, 1);
    EXPECT_EQ(minutes[1].UtcOffset, 120);
}

TEST(HistoryMinutesTest, ATickWithoutAValidClockCountsOnlyInTheLastHour) {
    MemoryHistory history;
    EXPECT_FALSE(history.AddTick({5000, {2025, 2, 30, 8, 0, 480}}, Memory(50, kGiB)));
    EXPECT_EQ(history.Ticks().size(), 1u);
    EXPECT_TRUE(history.Minutes().empty());
}

TEST(HistoryMarkersTest, TrimsAndHighMemoryStepsAreMarkedOnTheTickAndTheMinute) {
    MemoryHistory history;
    history.AddTick(At(0, 1000), Memory(95, kGiB));
    history.MarkHighMemory(1000);
    history.MarkTrim(1200, kGiB, 2 * kGiB);
    history.MarkTrim(1400, 2 * kGiB, 3 * kGiB + kMiB);  // the minute keeps the last trim
    history.AddTick(At(1, 61000), Memory(60, kGiB));

    ASSERT_EQ(history.TickMarkers().size(), 3u);
    EXPECT_EQ(history.TickMarkers()[0], (TickMarker{1000, kMarkHighMemory, 0, 0}));
    EXPECT_EQ(history.TickMarkers()[1], (TickMarker{1200, kMarkTrim, 1024, 2048}));
    EXPECT_EQ(history.TickMarkers()[2], (TickMarker{1400, kMarkTrim, 2048, 3073}));

    const auto minutes = history.Minutes();
    ASSERT_EQ(minutes.size(), 2u);
    EXPECT_EQ(minutes[0].Marks, kMarkTrim | kMarkHighMemory);
    EXPECT_EQ(minutes[0].TrimBeforeMB, 2048u);
    EXPECT_EQ(minutes[0].TrimAfterMB, 3073u);
    EXPECT_EQ(minutes[1].Marks, 0);

    for (std::uint64_t ms = 61000; ms <= 1000 + 3600000 + 200; ms += 60000) {
        history.AddTick(At(static_cast<std::int32_t>(ms / 60000), ms), Memory(60, kGiB));
    }
    history.AddTick(At(61, 3601300), Memory(60, kGiB));
    ASSERT_EQ(history.TickMarkers().size(), 1u);  // the first two are more than an hour old
    EXPECT_EQ(history.TickMarkers()[0].TickMs, 1400u);
}

TEST(HistoryRestoreTest, RestoredMinutesJoinTheMinutesOfThisRun) {
    MinuteRecord saved;
    saved.Minute = kBaseMinute + 5;
    saved.UtcOffset = kChina;
    saved.Samples = 10;
    saved.LoadMin = saved.LoadMean = saved.LoadMax = 3000;
    saved.AvailMinMB = saved.AvailMeanMB = saved.AvailMaxMB = 2048;
    MinuteRecord earlier = saved;
    earlier.Minute = kBaseMinute + 2;
    MinuteRecord later = saved;
    later.Minute = kBaseMinute + 9;  // after this run's clock: dropped

    MemoryHistory history;
    const std::vector<MinuteRecord> file = {earlier, saved, later};
    history.RestoreMinutes(file);
    // Restarted within minute 5: its ticks and the saved ones make one minute.
    history.AddTick(At(5, 0), Memory(60, kGiB));
    history.AddTick(At(6, 60000), Memory(60, kGiB));

    const auto minutes = history.Minutes();
    ASSERT_EQ(minutes.size(), 3u);
    EXPECT_EQ(minutes[0], earlier);
    EXPECT_EQ(minutes[1].Minute, kBaseMinute + 5);
    EXPECT_EQ(minutes[1].Samples, 11);
    EXPECT_EQ(minutes[1].LoadMin, 3000);
    EXPECT_EQ(minutes[1].LoadMax, 6000);
    EXPECT_EQ(minutes[1].LoadMean, 3273);  // (10 × 30 + 60) / 11
    EXPECT_EQ(minutes[1].AvailMinMB, 1024u);
    EXPECT_EQ(minutes[2].Minute, kBaseMinute + 6);
}

}  // namespace
}  // namespace orvane
