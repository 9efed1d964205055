#include <gtest/gtest.h>

#include <windows.h>

#include "app/win/Main.h"

namespace orvane::win {
namespace {

// Every way of starting a trim reaches the trim service exactly once.
TEST(TrimStarters, EachStarterRunsOneTrim) {
    int trims = 0;
    MemorySnapshot snapshot{50, 8ull << 30, 4ull << 30, 16ull << 30, 8ull << 30};
    MainServices services;
    services.ReadMemory = [&] { return snapshot; };
    services.TrimAllWorkingSets = [&] { ++trims; };
    TFrmOrvaneMain form(services);
    ASSERT_TRUE(form.FormCreate());
    // Start-up trims once only when periodic trimming is on.
    EXPECT_EQ(trims, form.MemOptions.DefragEveryActive ? 1 : 0);
    trims = 0;

    form.MemoryDefragmenter1Click();
    EXPECT_EQ(trims, 1);
    form.HotKeyManager1HotKeyPressed();
    EXPECT_EQ(trims, 2);
    form.MemOptions.DefragEveryActive = false;
    form.TimerDefragTimer();
    EXPECT_EQ(trims, 2);
    form.MemOptions.DefragEveryActive = true;
    form.TimerDefragTimer();
    EXPECT_EQ(trims, 3);

    // The high-memory step: the load rises past RedPercent.
    form.MemOptions.Warn = form.MemOptions.WarnMsgBox = form.MemOptions.WriteLog = false;
    form.MemOptions.DefragOnHighMemory = true;
    form.MemOptions.RedPercent = 60;
    // (The icon shows the used amount by default: it changes with the available memory.)
    snapshot.MemoryLoad = 61;
    snapshot.AvailPhys = 3ull << 30;
    form.TimerTimer();
    EXPECT_EQ(trims, 4);
    snapshot.MemoryLoad = 62;  // still high: no second firing
    snapshot.AvailPhys = 2ull << 30;
    form.TimerTimer();
    EXPECT_EQ(trims, 4);
}

}  // namespace
}  // namespace orvane::win
