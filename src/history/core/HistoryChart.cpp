#include "history/core/HistoryChart.h"

#include <algorithm>
#include <cstdio>

#include "common/core/DpiScale.h"
#include "history/core/CivilTime.h"
#include "history/core/Megabytes.h"
#include "monitor/core/ByteSize.h"

namespace orvane {

namespace {

constexpr std::int64_t kMinuteMs = 60000;
constexpr std::uint64_t kMegabyte = 1024 * 1024;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

std::wstring TwoDigits(int n) {
    wchar_t text[8];
    std::swprintf(text, 8, L"%02d", n);
    return text;
}

std::wstring Bytes(std::uint64_t bytes, const NumberSeparators& separators) {
    return FormatByteSize(static_cast<std::int64_t>(bytes), separators);
}

}  // namespace

std::int64_t SpanMs(HistorySpan span) {
    switch (span) {
        case HistorySpan::TenMinutes:
            return 10 * kMinuteMs;
        case HistorySpan::OneHour:
            return 60 * kMinuteMs;
        case HistorySpan::OneDay:
            break;
    }
    return 1440 * kMinuteMs;
}

const wchar_t* SpanCaption(HistorySpan span) {
    switch (span) {
        case HistorySpan::TenMinutes:
            return L"10 分钟";
        case HistorySpan::OneHour:
            return L"1 小时";
        case HistorySpan::OneDay:
            break;
    }
    return L"24 小时";
}

ChartData ChartDataOf(const MemoryHistory& history, HistorySpan span, std::uint64_t nowTickMs,
                      std::int64_t nowEpochMs, int utcOffsetMinutes) {
    ChartData data;
    data.Span = span;
    data.EndMs = nowEpochMs;
    data.StartMs = nowEpochMs - SpanMs(span);
    data.UtcOffsetMinutes = utcOffsetMinutes;
    const auto now32 = static_cast<std::uint32_t>(nowTickMs);
    // A tick's age on the 32-bit tick clock, wrap-around included.
    const auto epochOfTick = [&](std::uint32_t tickMs) {
        return nowEpochMs - static_cast<std::int64_t>(static_cast<std::uint32_t>(now32 - tickMs));
    };
    if (span != HistorySpan::OneDay) {
        const auto& ticks = history.Ticks();
        for (std::size_t i = 0; i < ticks.size(); ++i) {
            const TickSample& tick = ticks[i];
            const std::int64_t at = epochOfTick(tick.TickMs);
            if (at >= data.StartMs && at <= data.EndMs) {
                data.Samples.push_back({at, tick.Load, tick.AvailMB, tick.CommitMB});
            }
        }
        const auto& markers = history.TickMarkers();
        for (std::size_t i = 0; i < markers.size(); ++i) {
            const TickMarker& marker = markers[i];
            const std::int64_t at = epochOfTick(marker.TickMs);
            if (at >= data.StartMs && at <= data.EndMs) {
                data.Markers.push_back(
                    {at, marker.Kind, marker.AvailBeforeMB, marker.AvailAfterMB});
            }
        }
        return data;
    }
    for (const MinuteRecord& minute : history.Minutes()) {
        // A minute is drawn at its middle.
        const std::int64_t at = std::int64_t{minute.Minute} * kMinuteMs + kMinuteMs / 2;
        if (at < data.StartMs || at > data.EndMs + kMinuteMs) {
            continue;
        }
        data.Samples.push_back({at, minute.LoadMean, minute.AvailMeanMB, minute.CommitMeanMB});
        if (minute.Marks & kMarkTrim) {
            data.Markers.push_back({at, kMarkTrim, minute.TrimBeforeMB, minute.TrimAfterMB});
        }
        if (minute.Marks & kMarkHighMemory) {
            data.Markers.push_back({at, kMarkHighMemory, 0, 0});
        }
    }
    return data;
}

std::vector<MinuteRecord> MinutesInSpan(const std::vector<MinuteRecord>& minutes, HistorySpan span,
                                        std::int32_t nowMinute) {
    const auto spanMinutes = static_cast<std::int32_t>(SpanMs(span) / kMinuteMs);
    std::vector<MinuteRecord> shown;
    for (const MinuteRecord& minute : minutes) {
        if (minute.Minute > nowMinute - spanMinutes && minute.Minute <= nowMinute) {
            shown.push_back(minute);
        }
    }
    return shown;
}

ChartLayout LayoutChart(Rect client, int dpi, int textHeight, int loadLabelWidth, int buttonWidth,
                        int suspectLines) {
    const int margin = ScaleByDpi(8, dpi);
    const int gap = ScaleByDpi(4, dpi);
    const int buttonHeight = textHeight + ScaleByDpi(10, dpi);
    const int buttonW = buttonWidth + ScaleByDpi(20, dpi);
    ChartLayout layout;
    int x = client.left + margin;
    for (int i = 0; i < kHistorySpanCount; ++i) {
        layout.Buttons[i] = {x, client.top + margin, x + buttonW,
                             client.top + margin + buttonHeight};
        x += buttonW + gap;
    }
    // Export sits at the right edge, or after the spans when the window is too narrow.
    const int exportLeft = std::max(x + gap, client.right - margin - buttonW);
    layout.Buttons[kHistorySpanCount] = {exportLeft, client.top + margin, exportLeft + buttonW,
                                         client.top + margin + buttonHeight};
    int bottom = client.bottom - margin;
    if (suspectLines > 0) {
        const int height = (suspectLines + 1) * textHeight;
        layout.Suspects = {client.left + margin, bottom - height, client.right - margin, bottom};
        bottom -= height + gap;
    }
    layout.LoadLabelWidth = loadLabelWidth;
    layout.TimeLabelTop = bottom - textHeight;
    // Half a line above the plot, so the top label is not cut.
    const int top = client.top + margin + buttonHeight + gap + textHeight / 2 + 1;
    layout.Plot = {client.left + margin + loadLabelWidth + gap, top, client.right - margin,
                   std::max(top + 1, layout.TimeLabelTop - gap)};
    if (layout.Plot.right <= layout.Plot.left) {
        layout.Plot.right = layout.Plot.left + 1;
    }
    return layout;
}

int XOfTime(const Rect& plot, std::int64_t startMs, std::int64_t endMs, std::int64_t epochMs) {
    if (endMs <= startMs) {
        return plot.right;
    }
    const std::int64_t clamped = std::clamp(epochMs, startMs, endMs);
    return plot.left +
           static_cast<int>((clamped - startMs) * (plot.Width() - 1) / (endMs - startMs));
}

int YOfLoad(const Rect& plot, int load) {
    const int clamped = std::clamp(load, 0, static_cast<int>(kFullLoad));
    return plot.bottom - 1 - clamped * (plot.Height() - 1) / kFullLoad;
}

std::wstring ClockText(std::int64_t epochMs, int utcOffsetMinutes, bool seconds) {
    const std::int64_t minute = FloorDiv(epochMs, kMinuteMs);
    const LocalTime local = LocalTimeOf(static_cast<std::int32_t>(minute), utcOffsetMinutes);
    std::wstring text = TwoDigits(local.Hour) + L":" + TwoDigits(local.Minute);
    if (seconds) {
        text += L":" + TwoDigits(static_cast<int>((epochMs - minute * kMinuteMs) / 1000));
    }
    return text;
}

std::vector<TimeLabel> TimeLabelsOf(const ChartData& data) {
    std::int64_t step = 2 * kMinuteMs;
    if (data.Span == HistorySpan::OneHour) {
        step = 10 * kMinuteMs;
    } else if (data.Span == HistorySpan::OneDay) {
        step = 180 * kMinuteMs;
    }
    // Round on the local clock: labels fall on whole local hours and minutes.
    const std::int64_t offsetMs = std::int64_t{data.UtcOffsetMinutes} * kMinuteMs;
    std::int64_t at = FloorDiv(data.StartMs + offsetMs + step - 1, step) * step - offsetMs;
    std::vector<TimeLabel> labels;
    for (; at <= data.EndMs; at += step) {
        labels.push_back({at, ClockText(at, data.UtcOffsetMinutes, false)});
    }
    return labels;
}

const ChartSample* SampleAt(const ChartData& data, const Rect& plot, int x) {
    if (data.Samples.empty() || x < plot.left || x >= plot.right || plot.Width() <= 1) {
        return nullptr;
    }
    const std::int64_t at = data.StartMs + (std::int64_t{x} - plot.left) *
                                               (data.EndMs - data.StartMs) / (plot.Width() - 1);
    const auto after = std::lower_bound(
        data.Samples.begin(), data.Samples.end(), at,
        [](const ChartSample& sample, std::int64_t t) { return sample.EpochMs < t; });
    if (after == data.Samples.begin()) {
        return &*after;
    }
    if (after == data.Samples.end()) {
        return &data.Samples.back();
    }
    const auto before = std::prev(after);
    return (at - before->EpochMs) <= (after->EpochMs - at) ? &*before : &*after;
}

std::vector<std::wstring> HoverLines(const ChartSample& sample, const ChartData& data,
                                     std::uint64_t totalPhys, const MinuteTop* top,
                                     const NumberSeparators& separators) {
    std::vector<std::wstring> lines;
    lines.push_back(
        ClockText(sample.EpochMs, data.UtcOffsetMinutes, data.Span != HistorySpan::OneDay));
    wchar_t load[32];
    std::swprintf(load, 32, L"负载 %d%%", (sample.Load + 50) / 100);
    lines.emplace_back(load);
    const std::uint64_t avail = std::uint64_t{sample.AvailMB} * kMegabyte;
    if (totalPhys > 0) {
        const std::uint64_t used = totalPhys > avail ? totalPhys - avail : 0;
        lines.push_back(L"已用 " + Bytes(used, separators) + L" / " + Bytes(totalPhys, separators));
    }
    if (top) {
        for (const MinuteTop::Entry& entry : top->Processes) {
            if (!entry.Name.empty()) {
                lines.push_back(entry.Name.Text() + L"  " +
                                Bytes(std::uint64_t{entry.PrivateKB} * 1024, separators));
            }
        }
    }
    return lines;
}

std::wstring MarkerText(const ChartMarker& marker) {
    if (marker.Kind == kMarkHighMemory) {
        return L"高内存";
    }
    const std::int64_t freed = static_cast<std::int64_t>(marker.AvailAfterMB) -
                               static_cast<std::int64_t>(marker.AvailBeforeMB);
    return L"释放 " + std::to_wstring(std::max<std::int64_t>(freed, 0)) + L" MB";
}

std::wstring SuspectLine(const LeakSuspect& suspect, int utcOffsetMinutes,
                         const NumberSeparators& separators) {
    const std::int64_t perHour = std::max<std::int64_t>(suspect.GrowthPerHour, 0);
    return suspect.Name + L"    " + Bytes(suspect.StartBytes, separators) + L" → " +
           Bytes(suspect.NowBytes, separators) + L"    +" +
           Bytes(static_cast<std::uint64_t>(perHour), separators) + L"/小时    自 " +
           ClockText(std::int64_t{suspect.SinceMinute} * kMinuteMs, utcOffsetMinutes, false);
}

}  // namespace orvane
