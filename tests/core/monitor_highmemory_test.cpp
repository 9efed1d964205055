#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "monitor/core/HighMemoryCheck.h"
#include "monitor/core/TimerIntervals.h"

namespace orvane {
namespace {

// Runs one check per (load, tick) and tells which of them fired.
struct CheckRun {
    HighMemoryCheck check;
    OrvaneOptions options;

    bool At(std::uint32_t load, std::uint32_t tick) {
        bool fired = false;
        check.Check(load, options, tick, [&] { fired = true; });
        return fired;
    }
};

constexpr std::uint32_t kGuard = HighMemoryCheck::kAlarmIntervalMs;

TEST(HighMemoryCheckTest, FiresOnARiseAtMostOncePerFiveMinutes) {
    CheckRun run;
    EXPECT_FALSE(run.At(89, 1000));
    EXPECT_TRUE(run.At(90, 3000));
    EXPECT_FALSE(run.At(95, 5000));  // rose from 90, but within five minutes
    EXPECT_FALSE(run.At(80, 7000));  // re-arms
    EXPECT_FALSE(run.At(92, 9000));  // still within five minutes
    EXPECT_EQ(run.check.LastMemPerc(), 92);

    CheckRun later;
    EXPECT_FALSE(later.At(89, 1000));
    EXPECT_TRUE(later.At(90, 3000));
    EXPECT_FALSE(later.At(95, 5000));
    EXPECT_FALSE(later.At(80, 7000));
    EXPECT_FALSE(later.At(92, 3000 + kGuard));  // five minutes exactly are not enough
    EXPECT_FALSE(later.At(80, 3000 + kGuard + 1));
    EXPECT_TRUE(later.At(92, 3000 + kGuard + 2));
}

TEST(HighMemoryCheckTest, ALevelAboveTheThresholdDoesNotRepeat) {
    CheckRun run;
    EXPECT_TRUE(run.At(95, 1000));  // first check: LastMemPerc is still 0
    EXPECT_FALSE(run.At(96, 1000 + 2 * kGuard));
    EXPECT_FALSE(run.At(97, 1000 + 4 * kGuard));
    EXPECT_FALSE(run.At(90, 1000 + 5 * kGuard));  // down to the threshold from above
    EXPECT_TRUE(run.At(91, 1000 + 6 * kGuard));   // the check at 90 re-armed it
}

TEST(HighMemoryCheckTest, ALoadAtTheThresholdFiresEveryFiveMinutes) {
    CheckRun run;
    EXPECT_TRUE(run.At(90, 10));
    EXPECT_FALSE(run.At(90, 10 + kGuard));
    EXPECT_TRUE(run.At(90, 11 + kGuard));
}

TEST(HighMemoryCheckTest, GuardHoldsAcrossTheTickCountWrap) {
    CheckRun run;
    EXPECT_TRUE(run.At(95, 0xFFFFFF00u));
    EXPECT_FALSE(run.At(80, 0x00000100u));
    EXPECT_FALSE(run.At(95, 0x00001000u));  // only seconds after the firing
    EXPECT_FALSE(run.At(80, 0x00002000u));
    EXPECT_TRUE(run.At(95, 0xFFFFFF00u + kGuard + 1));  // wrapped
}

TEST(HighMemoryCheckTest, WrapDoesNotBlockForFortyNineDays) {
    CheckRun run;
    EXPECT_TRUE(run.At(95, 0xFFF00000u));  // 17 minutes before the wrap
    EXPECT_FALSE(run.At(80, 0x00000100u));
    EXPECT_TRUE(run.At(95, 0x00100000u));  // 35 minutes after the firing
}

TEST(HighMemoryCheckTest, NoActionSwitchedOnMeansNoCheckAtAll) {
    CheckRun run;
    run.options.Warn = false;
    run.options.DefragOnHighMemory = false;
    run.options.WarnMsgBox = false;
    run.options.WriteLog = false;
    EXPECT_FALSE(run.At(95, 1000));
    EXPECT_EQ(run.check.LastMemPerc(), 0);

    for (bool OrvaneOptions::*action : {&OrvaneOptions::Warn, &OrvaneOptions::DefragOnHighMemory,
                                        &OrvaneOptions::WarnMsgBox, &OrvaneOptions::WriteLog}) {
        OrvaneOptions options = run.options;
        options.*action = true;
        EXPECT_TRUE(HighMemoryActionsWanted(options));
    }
}

TEST(HighMemoryCheckTest, FailedActionsLeaveLastMemPerc) {
    HighMemoryCheck check;
    const OrvaneOptions options;
    check.Check(50, options, 1, [] {});
    EXPECT_THROW(check.Check(95, options, 2, [] { throw std::runtime_error("log"); }),
                 std::runtime_error);
    EXPECT_EQ(check.LastMemPerc(), 50);
    // The guard has moved on all the same.
    bool fired = false;
    check.Check(95, options, 3, [&] { fired = true; });
    EXPECT_FALSE(fired);
}

// While the actions wait in a modal dialog, later ticks check again; the waiting tick then
// finishes with its own, older load.
TEST(HighMemoryCheckTest, ChecksNestedInTheActions) {
    HighMemoryCheck check;
    const OrvaneOptions options;
    int nestedFirings = 0;
    check.Check(95, options, 1000, [&] {
        check.Check(80, options, 2000, [&] { ++nestedFirings; });
        check.Check(97, options, 3000 + kGuard, [&] { ++nestedFirings; });
        EXPECT_EQ(check.LastMemPerc(), 97);
    });
    EXPECT_EQ(nestedFirings, 1);
    EXPECT_EQ(check.LastMemPerc(), 95);
}

TEST(LowMemoryWarningTextTest, SaysWhetherMemoryWasTrimmed) {
    EXPECT_EQ(LowMemoryWarningText(true),
              L"Orvane 尝试恢复内存, 但如果内存仍然不足, 请保存文件后关闭或重新启动所有打开的程序");
    EXPECT_EQ(LowMemoryWarningText(false),
              L"要恢复足够的内存使程序正常运行, 请保存文件后关闭或重新启动所有打开的程序");
}

TEST(TimerIntervalsTest, NoTimerForNonPositiveValues) {
    EXPECT_EQ(SamplingTimerInterval(2000), 2000u);
    EXPECT_EQ(SamplingTimerInterval(1), 1u);
    EXPECT_EQ(SamplingTimerInterval(0), std::nullopt);
    EXPECT_EQ(SamplingTimerInterval(-1), std::nullopt);
    EXPECT_EQ(SamplingTimerInterval(0x7FFFFFFF), 0x7FFFFFFFu);

    EXPECT_EQ(DefragTimerInterval(120), 7200000u);
    EXPECT_EQ(DefragTimerInterval(35791), 2147460000u);  // the largest that fits
    EXPECT_EQ(DefragTimerInterval(35792), 0x7FFFFFFFu);  // would overflow 32 bits: held
    EXPECT_EQ(DefragTimerInterval(0x7FFFFFFF), 0x7FFFFFFFu);
    EXPECT_EQ(DefragTimerInterval(0), std::nullopt);
    EXPECT_EQ(DefragTimerInterval(-5), std::nullopt);
}

}  // namespace
}  // namespace orvane
