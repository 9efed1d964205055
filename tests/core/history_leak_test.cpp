#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "history/core/LeakRule.h"
#include "history/core/LeakSuspectText.h"
#include "history/core/LeakWatch.h"

namespace orvane {
namespace {

constexpr std::uint32_t kMB = 1024;  // in KB
constexpr std::uint64_t kMiB = 1 << 20;

// One sample a minute from minute 0 to `minutes`, the value in KB.
struct Series {
    std::vector<std::int32_t> minutes;
    std::vector<std::uint32_t> kilobytes;

    static Series Of(int minutes, const std::function<std::uint32_t(int)>& value) {
        Series series;
        for (int m = 0; m <= minutes; ++m) {
            series.minutes.push_back(m);
            series.kilobytes.push_back(value(m));
        }
        return series;
    }
    PrivateBytesSeries View() const { return {minutes, kilobytes}; }
};

// Grows 5 MB a minute from 100 MB, except in the minutes listed, where it stays.
std::function<std::uint32_t(int)> GrowsExceptIn(std::vector<int> flat, std::uint32_t step) {
    return [flat, step](int minute) {
        std::uint32_t value = 100 * kMB;
        for (int m = 1; m <= minute; ++m) {
            if (std::find(flat.begin(), flat.end(), m) == flat.end()) {
                value += step;
            }
        }
        return value;
    };
}

TEST(HistoryLeakRuleTest, Table) {
    const LeakRule rule;  // 30 minutes, 100 MB, 50 %
    struct Case {
        const char* name;
        Series series;
        std::optional<std::size_t> start;
    };
    const Case cases[] = {
        {"steady leak", Series::Of(30, [](int m) { return 100 * kMB + m * 5 * kMB; }), 0},
        {"steady leak watched longer: the window is the last 30 minutes",
         Series::Of(45, [](int m) { return 100 * kMB + m * 5 * kMB; }), 15},
        {"garbage-collected sawtooth: grows 9 minutes in 10, back to where it was",
         Series::Of(30, [](int m) { return 300 * kMB + (m % 10) * 30 * kMB; }), std::nullopt},
        {"sawtooth on a rising floor: grows 3 minutes in 4",
         Series::Of(30,
                    [](int m) { return 300 * kMB + m * 8 * kMB + (m % 4 == 3 ? 0u : 20 * kMB); }),
         std::nullopt},
        {"one jump of 500 MB",
         Series::Of(30, [](int m) { return m < 15 ? 1000 * kMB : 1500 * kMB; }), std::nullopt},
        {"short-lived: a fast leak over 29 minutes",
         Series::Of(29, [](int m) { return 100 * kMB + m * 50 * kMB; }), std::nullopt},
        {"grew in 24 of 30 minutes (80 %)",
         Series::Of(30, GrowsExceptIn({3, 8, 13, 18, 23, 28}, 5 * kMB)), 0},
        {"grew in 23 of 30 minutes",
         Series::Of(30, GrowsExceptIn({3, 8, 13, 18, 23, 28, 29}, 5 * kMB)), std::nullopt},
        {"grew by exactly 100 MB",
         Series::Of(30, [](int m) { return 100 * kMB + (m == 30 ? 100 * kMB : m * 3 * kMB); }), 0},
        {"grew by 1 KB less than 100 MB",
         Series::Of(30, [](int m) { return 100 * kMB + (m == 30 ? 100 * kMB - 1 : m * 3 * kMB); }),
         std::nullopt},
        {"grew by exactly 50 % of 200 MB",
         Series::Of(30, [](int m) { return 200 * kMB + (m == 30 ? 100 * kMB : m * 3 * kMB); }), 0},
        {"grew by 100 MB, 1 KB short of 50 %",
         Series::Of(30, [](int m) { return 200 * kMB + 1 + (m == 30 ? 100 * kMB : m * 3 * kMB); }),
         std::nullopt},
        {"shrinking", Series::Of(30, [](int m) { return 2000 * kMB - m * 5 * kMB; }), std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LeakStart(c.series.View(), rule), c.start) << c.name;
    }
}

TEST(HistoryLeakRuleTest, MinutesBetweenSparseSamplesCountAsLived) {
    // A snapshot every 3 minutes: 11 samples cover 30 minutes.
    Series series;
    for (int i = 0; i <= 10; ++i) {
        series.minutes.push_back(i * 3);
        series.kilobytes.push_back(100 * kMB + static_cast<std::uint32_t>(i) * 15 * kMB);
    }
    EXPECT_EQ(LeakStart(series.View(), LeakRule{}), 0u);
    // The same with two flat intervals: 24 of 30 minutes grew, still 80 %.
    series.kilobytes[4] = series.kilobytes[3];
    series.kilobytes[5] = series.kilobytes[4] + 15 * kMB;
    series.kilobytes[8] = series.kilobytes[7];
    for (std::size_t i = 9; i < series.kilobytes.size(); ++i) {
        series.kilobytes[i] = series.kilobytes[i - 1] + 15 * kMB;
    }
    EXPECT_EQ(LeakStart(series.View(), LeakRule{}), 0u);
    series.kilobytes[10] = series.kilobytes[9];  // 21 of 30
    EXPECT_EQ(LeakStart(series.View(), LeakRule{}), std::nullopt);
}

TEST(HistoryLeakRuleTest, SettableThresholds) {
    const Series leak = Series::Of(60, [](int m) { return 1000 * kMB + m * 2 * kMB; });
    EXPECT_EQ(LeakStart(leak.View(), LeakRule{60, 120, 12}), 0u);
    EXPECT_EQ(LeakStart(leak.View(), LeakRule{60, 121, 12}), std::nullopt);
    EXPECT_EQ(LeakStart(leak.View(), LeakRule{60, 120, 13}), std::nullopt);
    EXPECT_EQ(LeakStart(leak.View(), LeakRule{61, 10, 1}), std::nullopt);
    EXPECT_EQ(LeakStart(leak.View(), LeakRule{10, 10, 1}), 50u);
}

// Drives a LeakWatch minute by minute.
struct Watch {
    LeakWatch watch;
    std::int32_t minute = 28000000;

    void Minute(const std::vector<ProcessPrivateBytes>& processes) {
        watch.AddSnapshot(++minute, processes);
    }
};

ProcessPrivateBytes Process(std::uint32_t pid, std::uint64_t created, const std::wstring& name,
                            std::uint64_t megabytes) {
    return {{pid, created}, name, megabytes * kMiB};
}

TEST(HistoryLeakWatchTest, ASuspectSaysSinceWhenAndHowFast) {
    Watch w;
    const std::int32_t first = w.minute + 1;
    for (int m = 0; m <= 40; ++m) {
        w.Minute({Process(7, 111, L"leaky.exe", 100 + 5 * static_cast<std::uint64_t>(m)),
                  Process(8, 222, L"steady.exe", 900)});
        if (m == 29) {
            EXPECT_TRUE(w.watch.Suspects().empty());
        }
    }
    const auto suspects = w.watch.Suspects();
    ASSERT_EQ(suspects.size(), 1u);
    const LeakSuspect& s = suspects[0];
    EXPECT_EQ(s.Key, (ProcessKey{7, 111}));
    EXPECT_EQ(s.Name, L"leaky.exe");
    EXPECT_EQ(s.SinceMinute, first);  // it has grown since it was first seen
    EXPECT_EQ(s.NowMinute, first + 40);
    EXPECT_EQ(s.StartBytes, 100 * kMiB);
    EXPECT_EQ(s.NowBytes, 300 * kMiB);
    EXPECT_EQ(s.GrowthPerHour, static_cast<std::int64_t>(300 * kMiB));
    EXPECT_EQ(LeakSuspectText(s), L"疑似内存泄漏: 40 分钟内增长 200 MB");
    EXPECT_EQ(w.watch.SuspectOf({7, 111}), s);
    EXPECT_EQ(w.watch.SuspectOf({8, 222}), std::nullopt);

    // It stops growing: after a while it is no suspect any more.
    for (int m = 0; m < 10; ++m) {
        w.Minute({Process(7, 111, L"leaky.exe", 300), Process(8, 222, L"steady.exe", 900)});
    }
    EXPECT_TRUE(w.watch.Suspects().empty());
}

TEST(HistoryLeakWatchTest, AReusedProcessIdIsAnotherProcess) {
    Watch w;
    for (int m = 0; m < 20; ++m) {
        w.Minute({Process(42, 1000, L"a.exe", 100 + 10 * static_cast<std::uint64_t>(m))});
    }
    // Process 42 ended; a new one got its ID and keeps growing from where the first stopped.
    for (int m = 20; m <= 45; ++m) {
        w.Minute({Process(42, 2000, L"b.exe", 100 + 10 * static_cast<std::uint64_t>(m))});
    }
    EXPECT_TRUE(w.watch.Suspects().empty());  // each lived less than 30 minutes
    for (int m = 46; m <= 50; ++m) {
        w.Minute({Process(42, 2000, L"b.exe", 100 + 10 * static_cast<std::uint64_t>(m))});
    }
    ASSERT_EQ(w.watch.Suspects().size(), 1u);
    EXPECT_EQ(w.watch.Suspects()[0].Name, L"b.exe");
}

TEST(HistoryLeakWatchTest, AVanishedProcessIsForgotten) {
    Watch w;
    for (int m = 0; m <= 30; ++m) {
        w.Minute({Process(5, 1, L"x.exe", 100 + 5 * static_cast<std::uint64_t>(m))});
    }
    ASSERT_TRUE(w.watch.SuspectOf({5, 1}));
    w.Minute({});
    EXPECT_FALSE(w.watch.SuspectOf({5, 1}));
    w.Minute({Process(5, 1, L"x.exe", 300)});  // back in a snapshot: a new series
    EXPECT_FALSE(w.watch.SuspectOf({5, 1}));
}

TEST(HistoryLeakWatchTest, ALongGapOrAClockPutBackStartsEverySeriesAfresh) {
    Watch gap;
    for (int m = 0; m <= 30; ++m) {
        gap.Minute({Process(5, 1, L"x.exe", 100 + 5 * static_cast<std::uint64_t>(m))});
        if (m == 15) {
            gap.minute += LeakWatch::kMaxGapMinutes;  // slept
        }
    }
    EXPECT_TRUE(gap.watch.Suspects().empty());

    Watch shortGap;
    for (int m = 0; m <= 30; ++m) {
        shortGap.Minute({Process(5, 1, L"x.exe", 100 + 5 * static_cast<std::uint64_t>(m))});
        if (m == 15) {
            shortGap.minute += LeakWatch::kMaxGapMinutes - 1;
        }
    }
    EXPECT_EQ(shortGap.watch.Suspects().size(), 1u);

    Watch back;
    for (int m = 0; m <= 30; ++m) {
        back.Minute({Process(5, 1, L"x.exe", 100 + 5 * static_cast<std::uint64_t>(m))});
    }
    back.minute -= 10;
    back.Minute({Process(5, 1, L"x.exe", 300)});
    EXPECT_TRUE(back.watch.Suspects().empty());
    EXPECT_EQ(back.watch.TopByMinute().back().Minute, back.minute);
    EXPECT_EQ(back.watch.TopByMinute().size(), 22u);  // the 10 minutes from then on are gone
}

TEST(HistoryLeakWatchTest, OnlyTheLargestProcessesAreWatched) {
    Watch w;
    for (int m = 0; m <= 30; ++m) {
        std::vector<ProcessPrivateBytes> processes;
        for (std::uint32_t pid = 1; pid <= 600; ++pid) {
            processes.push_back(Process(pid, pid, L"p" + std::to_wstring(pid), 10 + pid));
        }
        // The largest leaks; a tiny one leaks as fast, but is watched only once it has grown
        // to be among the 512 largest, too late to be judged.
        processes[599].PrivateBytes = (1000 + 20 * static_cast<std::uint64_t>(m)) * kMiB;
        processes[0].PrivateBytes = (1 + static_cast<std::uint64_t>(m) * 4) * kMiB;
        w.Minute(processes);
    }
    const auto suspects = w.watch.Suspects();
    ASSERT_EQ(suspects.size(), 1u);
    EXPECT_EQ(suspects[0].Key.ProcessId, 600u);
}

TEST(HistoryLeakWatchTest, ANewRuleJudgesAgain) {
    Watch w;
    for (int m = 0; m <= 40; ++m) {
        w.Minute({Process(5, 1, L"x.exe", 100 + 5 * static_cast<std::uint64_t>(m))});
    }
    ASSERT_EQ(w.watch.Suspects().size(), 1u);
    w.watch.SetRule({30, 500, 50});
    EXPECT_TRUE(w.watch.Suspects().empty());
    w.watch.SetRule({10, 40, 10});  // the kept series are cut to the shorter window
    ASSERT_EQ(w.watch.Suspects().size(), 1u);
    EXPECT_EQ(w.watch.Suspects()[0].SinceMinute, w.minute - 10);
    w.watch.SetRule({60, 10, 1});  // longer than what is kept: wait for more
    EXPECT_TRUE(w.watch.Suspects().empty());
}

TEST(HistoryLeakWatchTest, KeepsEachMinutesTopThreeForADay) {
    Watch w;
    w.Minute({Process(1, 1, L"a.exe", 10), Process(2, 2, L"b.exe", 30), Process(3, 3, L"c.exe", 20),
              Process(4, 4, L"d.exe", 5)});
    w.Minute({Process(1, 1, L"a.exe", 10)});
    const MinuteTop* first = w.watch.TopAt(w.minute - 1);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->Processes[0].Name.Text(), L"b.exe");
    EXPECT_EQ(first->Processes[0].PrivateKB, 30u * 1024);
    EXPECT_EQ(first->Processes[1].Name.Text(), L"c.exe");
    EXPECT_EQ(first->Processes[2].Name.Text(), L"a.exe");
    const MinuteTop* second = w.watch.TopAt(w.minute);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->Processes[0].Name.Text(), L"a.exe");
    EXPECT_TRUE(second->Processes[1].Name.empty());
    EXPECT_EQ(w.watch.TopAt(w.minute + 1), nullptr);

    const std::int32_t firstMinute = w.minute - 1;
    for (int m = 0; m < 1440; ++m) {
        w.Minute({Process(1, 1, L"a.exe", 10)});
    }
    EXPECT_EQ(w.watch.TopByMinute().size(), 1440u);
    EXPECT_EQ(w.watch.TopAt(firstMinute), nullptr);
    EXPECT_EQ(w.watch.TopByMinute().front().Minute, w.minute - 1439);

    w.watch.Clear();
    EXPECT_TRUE(w.watch.TopByMinute().empty());
    EXPECT_EQ(w.watch.HeapBytes(), 0u);
}

TEST(HistoryLeakWatchTest, SecondSnapshotOfAMinuteIsIgnored) {
    Watch w;
    w.Minute({Process(1, 1, L"a.exe", 10)});
    w.watch.AddSnapshot(w.minute, std::vector{Process(2, 2, L"b.exe", 99)});
    EXPECT_EQ(w.watch.TopByMinute().size(), 1u);
    EXPECT_EQ(w.watch.TopByMinute().back().Processes[0].Name.Text(), L"a.exe");
}

}  // namespace
}  // namespace orvane
