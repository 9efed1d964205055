#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/core/Geometry.h"
#include "common/core/LocaleFormat.h"
#include "history/core/LeakWatch.h"
#include "history/core/MemoryHistory.h"
#include "history/core/MinuteRecord.h"

namespace orvane {

// The spans the history window shows.
enum class HistorySpan : int { TenMinutes = 0, OneHour = 1, OneDay = 2 };
inline constexpr int kHistorySpanCount = 3;

std::int64_t SpanMs(HistorySpan span);
const wchar_t* SpanCaption(HistorySpan span);

// One point of the chart on a common time axis: milliseconds since 1970 UTC.
struct ChartSample {
    std::int64_t EpochMs = 0;
    std::uint16_t Load = 0;  // percent × 100
    std::uint32_t AvailMB = 0;
    std::uint32_t CommitMB = 0;
};

struct ChartMarker {
    std::int64_t EpochMs = 0;
    MinuteMarks Kind = kMarkTrim;
    std::uint32_t AvailBeforeMB = 0;
    std::uint32_t AvailAfterMB = 0;
};

// What the chart shows of a span ending now: tick by tick for the short spans, minute by minute
// for the day.
struct ChartData {
    HistorySpan Span = HistorySpan::TenMinutes;
    std::int64_t StartMs = 0;
    std::int64_t EndMs = 0;
    int UtcOffsetMinutes = 0;
    std::vector<ChartSample> Samples;  // oldest first
    std::vector<ChartMarker> Markers;
};

// `nowTickMs` is the history's tick clock now, `nowEpochMs` the wall clock at the same moment.
ChartData ChartDataOf(const MemoryHistory& history, HistorySpan span, std::uint64_t nowTickMs,
                      std::int64_t nowEpochMs, int utcOffsetMinutes);

// The minutes of the span ending at `nowMinute` (what "export" writes).
std::vector<MinuteRecord> MinutesInSpan(const std::vector<MinuteRecord>& minutes, HistorySpan span,
                                        std::int32_t nowMinute);

// The window's parts, in client pixels: the span and export buttons along the top, the chart
// with its load labels on the left and time labels below, the suspects' lines at the bottom.
struct ChartLayout {
    Rect Buttons[kHistorySpanCount + 1];  // the spans, then "导出..."
    Rect Plot;
    int LoadLabelWidth = 0;
    int TimeLabelTop = 0;
    Rect Suspects;  // empty when there are none
};

// `textHeight` is the font's line height at `dpi`, `loadLabelWidth` the width of "100%",
// `buttonWidth` that of the widest button caption.
ChartLayout LayoutChart(Rect client, int dpi, int textHeight, int loadLabelWidth, int buttonWidth,
                        int suspectLines);

// Where a time and a load lie in the plot.
int XOfTime(const Rect& plot, std::int64_t startMs, std::int64_t endMs, std::int64_t epochMs);
int YOfLoad(const Rect& plot, int load);

// The labels of the time axis: round times within the span and their local "HH:MM".
struct TimeLabel {
    std::int64_t EpochMs = 0;
    std::wstring Text;
};
std::vector<TimeLabel> TimeLabelsOf(const ChartData& data);

// "HH:MM" (and ":SS" when asked) of an instant at an offset.
std::wstring ClockText(std::int64_t epochMs, int utcOffsetMinutes, bool seconds);

// The sample nearest to the time under x; null outside the plot or without samples.
const ChartSample* SampleAt(const ChartData& data, const Rect& plot, int x);

// The hover box's lines: the time, the load, used/total physical memory, and the top processes
// of that minute when known.
std::vector<std::wstring> HoverLines(const ChartSample& sample, const ChartData& data,
                                     std::uint64_t totalPhys, const MinuteTop* top,
                                     const NumberSeparators& separators);

// A marker's caption: what a trim freed ("-412 MB" reads as "释放 412 MB"), or the high-memory
// step.
std::wstring MarkerText(const ChartMarker& marker);

// One line of the suspects list: name, start, now, growth per hour, since when.
std::wstring SuspectLine(const LeakSuspect& suspect, int utcOffsetMinutes,
                         const NumberSeparators& separators);

}  // namespace orvane
