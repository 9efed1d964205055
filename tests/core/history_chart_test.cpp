#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "history/core/HistoryChart.h"

namespace orvane {
namespace {

constexpr std::int64_t kMinuteMs = 60000;
// 2025-03-30 08:00 UTC+8 as minutes since 1970 UTC.
constexpr std::int32_t kNowMinute = 29054880;
constexpr std::int64_t kNowMs = std::int64_t{kNowMinute} * kMinuteMs + 30000;

MemorySnapshot Load(std::uint32_t percent) {
    MemorySnapshot s;
    s.MemoryLoad = percent;
    s.TotalPhys = 16ULL << 30;
    s.AvailPhys = 8ULL << 30;
    s.TotalPageFile = 20ULL << 30;
    s.AvailPageFile = 10ULL << 30;
    return s;
}

HistoryTime At(std::uint64_t tickMs, std::int64_t epochMs) {
    const auto minute = static_cast<std::int32_t>(epochMs / kMinuteMs);
    return {tickMs, LocalTimeOf(minute, 480)};
}

TEST(HistoryChart, ShortSpansTakeTheTicksOnTheWallClockAxis) {
    MemoryHistory history;
    // One tick a second for 20 minutes, and a trim half a minute ago.
    const std::uint64_t nowTick = 5000000;
    for (int s = 20 * 60; s >= 0; --s) {
        history.AddTick(At(nowTick - s * 1000ULL, kNowMs - s * 1000LL), Load(40));
        if (s == 30) {
            history.MarkTrim(nowTick - 30000, 1ULL << 30, 3ULL << 30);
        }
    }
    const ChartData ten = ChartDataOf(history, HistorySpan::TenMinutes, nowTick, kNowMs, 480);
    EXPECT_EQ(ten.EndMs - ten.StartMs, 10 * kMinuteMs);
    ASSERT_EQ(ten.Samples.size(), 601u);
    EXPECT_EQ(ten.Samples.front().EpochMs, kNowMs - 600000);
    EXPECT_EQ(ten.Samples.back().EpochMs, kNowMs);
    EXPECT_EQ(ten.Samples.back().Load, 4000);
    ASSERT_EQ(ten.Markers.size(), 1u);
    EXPECT_EQ(ten.Markers[0].EpochMs, kNowMs - 30000);
    EXPECT_EQ(MarkerText(ten.Markers[0]), L"释放 2048 MB");
    EXPECT_EQ(ChartDataOf(history, HistorySpan::OneHour, nowTick, kNowMs, 480).Samples.size(),
              1201u);
}

TEST(HistoryChart, TheTickClockWrappingDoesNotMoveSamples) {
    MemoryHistory history;
    const std::uint64_t nowTick = (1ULL << 32) + 500;  // the low 32 bits wrapped 500 ms ago
    history.AddTick(At(nowTick - 2000, kNowMs - 2000), Load(30));
    history.AddTick(At(nowTick, kNowMs), Load(31));
    const ChartData data = ChartDataOf(history, HistorySpan::TenMinutes, nowTick, kNowMs, 480);
    ASSERT_EQ(data.Samples.size(), 2u);
    EXPECT_EQ(data.Samples[0].EpochMs, kNowMs - 2000);
}

TEST(HistoryChart, TheDayTakesTheMinutesWithTheirMarks) {
    MemoryHistory history;
    std::vector<MinuteRecord> minutes;
    for (int m = 1439; m >= 1; --m) {
        MinuteRecord r;
        r.Minute = kNowMinute - m;
        r.UtcOffset = 480;
        r.Samples = 1;
        r.LoadMin = r.LoadMean = r.LoadMax = static_cast<std::uint16_t>(m % 100 * 100);
        minutes.push_back(r);
    }
    minutes[100].Marks = kMarkHighMemory;
    history.RestoreMinutes(minutes);
    const ChartData day = ChartDataOf(history, HistorySpan::OneDay, 1000, kNowMs, 480);
    EXPECT_EQ(day.Samples.size(), 1439u);
    ASSERT_EQ(day.Markers.size(), 1u);
    EXPECT_EQ(day.Markers[0].Kind, kMarkHighMemory);
    EXPECT_EQ(MarkerText(day.Markers[0]), L"高内存");
    EXPECT_EQ(MinutesInSpan(history.Minutes(), HistorySpan::TenMinutes, kNowMinute).size(), 9u);
    EXPECT_EQ(MinutesInSpan(history.Minutes(), HistorySpan::OneDay, kNowMinute).size(), 1439u);
}

TEST(HistoryChart, LayoutKeepsEveryPartInsideAtEachDpi) {
    struct Case {
        int dpi;
        int textHeight;
        int labelWidth;
        int buttonWidth;
        int suspects;
    };
    for (const Case c :
         {Case{96, 16, 28, 48, 0}, Case{120, 20, 35, 60, 2}, Case{144, 24, 42, 72, 5}}) {
        const Rect client{0, 0, 720 * c.dpi / 96, 420 * c.dpi / 96};
        const ChartLayout layout =
            LayoutChart(client, c.dpi, c.textHeight, c.labelWidth, c.buttonWidth, c.suspects);
        SCOPED_TRACE(c.dpi);
        for (const Rect& button : layout.Buttons) {
            EXPECT_GE(button.left, client.left);
            EXPECT_LE(button.right, client.right);
            EXPECT_GE(button.Height(), c.textHeight);
            EXPECT_GE(button.Width(), c.buttonWidth);
            EXPECT_LE(button.bottom, layout.Plot.top - c.textHeight / 2);
        }
        // The load labels fit left of the plot, the top one half a line above it.
        EXPECT_GE(layout.Plot.left - c.labelWidth, client.left);
        EXPECT_GE(layout.Plot.top - c.textHeight / 2, layout.Buttons[0].bottom);
        EXPECT_GE(layout.TimeLabelTop, layout.Plot.bottom);
        if (c.suspects > 0) {
            EXPECT_GE(layout.Suspects.top, layout.TimeLabelTop + c.textHeight);
            EXPECT_EQ(layout.Suspects.Height(), (c.suspects + 1) * c.textHeight);
            EXPECT_LE(layout.Suspects.bottom, client.bottom);
        } else {
            EXPECT_EQ(layout.Suspects, Rect{});
        }
    }
}

TEST(HistoryChart, ScalesMapTheSpanAndTheLoadOntoThePlot) {
    const Rect plot{100, 50, 701, 251};
    EXPECT_EQ(XOfTime(plot, 0, 600, 0), 100);
    EXPECT_EQ(XOfTime(plot, 0, 600, 600), 700);
    EXPECT_EQ(XOfTime(plot, 0, 600, 300), 400);
    EXPECT_EQ(XOfTime(plot, 0, 600, -50), 100);  // outside: at the edge
    EXPECT_EQ(YOfLoad(plot, 0), 250);
    EXPECT_EQ(YOfLoad(plot, 10000), 50);
    EXPECT_EQ(YOfLoad(plot, 5000), 150);
    EXPECT_EQ(YOfLoad(plot, 12000), 50);
}

TEST(HistoryChart, TimeLabelsFallOnRoundLocalTimes) {
    ChartData data;
    data.UtcOffsetMinutes = 480;
    data.EndMs = kNowMs;  // 08:00:30 local
    struct Case {
        HistorySpan span;
        std::vector<std::wstring> texts;
    };
    const Case cases[] = {
        {HistorySpan::TenMinutes, {L"07:52", L"07:54", L"07:56", L"07:58", L"08:00"}},
        {HistorySpan::OneHour, {L"07:10", L"07:20", L"07:30", L"07:40", L"07:50", L"08:00"}},
        {HistorySpan::OneDay,
         {L"09:00", L"12:00", L"15:00", L"18:00", L"21:00", L"00:00", L"03:00", L"06:00"}},
    };
    for (const Case& c : cases) {
        data.Span = c.span;
        data.StartMs = data.EndMs - SpanMs(c.span);
        std::vector<std::wstring> texts;
        for (const TimeLabel& label : TimeLabelsOf(data)) {
            texts.push_back(label.Text);
            EXPECT_GE(label.EpochMs, data.StartMs);
            EXPECT_LE(label.EpochMs, data.EndMs);
        }
        EXPECT_EQ(texts, c.texts);
    }
}

TEST(HistoryChart, HoverFindsTheNearestSampleAndSaysWhatWasThere) {
    ChartData data;
    data.Span = HistorySpan::TenMinutes;
    data.UtcOffsetMinutes = 480;
    data.EndMs = kNowMs;
    data.StartMs = kNowMs - 600000;
    data.Samples = {{kNowMs - 600000, 2000, 4096, 0},
                    {kNowMs - 300000, 5050, 8192, 0},
                    {kNowMs, 9000, 1024, 0}};
    const Rect plot{0, 0, 601, 100};  // 1 px a second
    EXPECT_EQ(SampleAt(data, plot, 0), &data.Samples[0]);
    EXPECT_EQ(SampleAt(data, plot, 149), &data.Samples[0]);
    EXPECT_EQ(SampleAt(data, plot, 151), &data.Samples[1]);
    EXPECT_EQ(SampleAt(data, plot, 600), &data.Samples[2]);
    EXPECT_EQ(SampleAt(data, plot, 601), nullptr);
    EXPECT_EQ(SampleAt(data, plot, -1), nullptr);
    EXPECT_EQ(SampleAt(ChartData{}, plot, 10), nullptr);

    MinuteTop top;
    top.Minute = kNowMinute - 5;
    top.Processes[0] = {ShortName(L"leaky.exe"), 2 * 1024 * 1024};
    top.Processes[1] = {ShortName(L"editor.exe"), 512 * 1024};
    const std::vector<std::wstring> lines =
        HoverLines(data.Samples[1], data, 16ULL << 30, &top, NumberSeparators{});
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], L"07:55:30");
    EXPECT_EQ(lines[1], L"负载 51%");
    EXPECT_NE(lines[2].find(L"已用 "), std::wstring::npos);
    EXPECT_NE(lines[2].find(L" / "), std::wstring::npos);
    EXPECT_EQ(lines[3].rfind(L"leaky.exe  ", 0), 0u);
    EXPECT_EQ(lines[4].rfind(L"editor.exe  ", 0), 0u);
    // Without the leak watch's top list and the total: time and load only.
    EXPECT_EQ(HoverLines(data.Samples[0], data, 0, nullptr, NumberSeparators{}).size(), 2u);
}

TEST(HistoryChart, MarkersAndSuspectLinesSayWhatHappened) {
    EXPECT_EQ(MarkerText({0, kMarkTrim, 1000, 1412}), L"释放 412 MB");
    EXPECT_EQ(MarkerText({0, kMarkTrim, 1412, 1000}), L"释放 0 MB");
    LeakSuspect suspect;
    suspect.Name = L"leaky.exe";
    suspect.StartBytes = 100ULL << 20;
    suspect.NowBytes = 600ULL << 20;
    suspect.GrowthPerHour = 1000LL << 20;
    suspect.SinceMinute = kNowMinute - 30;
    suspect.NowMinute = kNowMinute;
    const std::wstring line = SuspectLine(suspect, 480, NumberSeparators{});
    EXPECT_EQ(line.rfind(L"leaky.exe", 0), 0u);
    EXPECT_NE(line.find(L"/小时"), std::wstring::npos);
    EXPECT_NE(line.find(L"自 07:30"), std::wstring::npos);
}

}  // namespace
}  // namespace orvane
