#include "history/core/MemoryHistory.h"

#include <algorithm>

#include "history/core/Megabytes.h"

namespace orvane {

namespace {

// Drops what is more than an hour older than `now` (32-bit milliseconds, wrap-safe for values
// less than 49 days apart).
template <typename T>
void DropOlderThanAnHour(BoundedRing<T>& ring, std::uint32_t now) {
    while (!ring.empty() && now - ring.front().TickMs > MemoryHistory::kTickSpanMs) {
        ring.pop_front();
    }
}

MinuteRecord Finished(const MinuteRecord& record, std::uint64_t loadSum, std::uint64_t availSum,
                      std::uint64_t commitSum, std::uint64_t count) {
    MinuteRecord finished = record;
    finished.LoadMean = static_cast<std::uint16_t>((loadSum + count / 2) / count);
    finished.AvailMeanMB = static_cast<std::uint32_t>((availSum + count / 2) / count);
    finished.CommitMeanMB = static_cast<std::uint32_t>((commitSum + count / 2) / count);
    return finished;
}

}  // namespace

void MemoryHistory::AgeOut(std::uint64_t nowMs) {
    // After a gap of more than an hour everything kept is older than an hour, and 32-bit ages
    // could have wrapped: start afresh.
    if (latestMs_ && (nowMs < *latestMs_ || nowMs - *latestMs_ > kTickSpanMs)) {
        ticks_.clear();
        markers_.clear();
    }
    latestMs_ = std::max(nowMs, latestMs_.value_or(0));
    const auto now = static_cast<std::uint32_t>(nowMs);
    DropOlderThanAnHour(ticks_, now);
    DropOlderThanAnHour(markers_, now);
}

bool MemoryHistory::AddTick(const HistoryTime& now, const MemorySnapshot& snapshot) {
    AgeOut(now.TickMs);
    TickSample sample;
    sample.TickMs = static_cast<std::uint32_t>(now.TickMs);
    sample.Load =
        static_cast<std::uint16_t>(std::min<std::uint32_t>(snapshot.MemoryLoad, 100) * 100);
    sample.AvailMB = StoredMegabytes(snapshot.AvailPhys);
    sample.CommitMB = StoredMegabytes(snapshot.TotalPageFile > snapshot.AvailPageFile
                                          ? snapshot.TotalPageFile - snapshot.AvailPageFile
                                          : 0);
    ticks_.push_back(sample);

    const auto minute = UtcMinuteOf(now.Local);
    if (!minute) {
        return false;
    }
    bool began = false;
    if (open_ && open_->Record.Minute != *minute) {
        if (*minute > open_->Record.Minute) {
            CloseOpenMinute();
        } else {
            open_.reset();  // the clock was put back: that minute is in the future now
        }
    }
    if (!open_) {
        while (!minutes_.empty() && minutes_.back().Minute > *minute) {
            minutes_.pop_back();
        }
        open_.emplace();
        open_->Record.Minute = *minute;
        open_->Record.UtcOffset = static_cast<std::int16_t>(now.Local.UtcOffsetMinutes);
        began = true;
    }
    AddToMinute(sample);
    while (!minutes_.empty() && minutes_.front().Minute <= *minute - kMinuteSpan) {
        minutes_.pop_front();
    }
    return began;
}

void MemoryHistory::AddToMinute(const TickSample& sample) {
    OpenMinute& open = *open_;
    MinuteRecord& r = open.Record;
    if (open.Count == 0) {
        r.LoadMin = r.LoadMax = sample.Load;
        r.AvailMinMB = r.AvailMaxMB = sample.AvailMB;
        r.CommitMinMB = r.CommitMaxMB = sample.CommitMB;
    } else {
        r.LoadMin = std::min(r.LoadMin, sample.Load);
        r.LoadMax = std::max(r.LoadMax, sample.Load);
        r.AvailMinMB = std::min(r.AvailMinMB, sample.AvailMB);
        r.AvailMaxMB = std::max(r.AvailMaxMB, sample.AvailMB);
        r.CommitMinMB = std::min(r.CommitMinMB, sample.CommitMB);
        r.CommitMaxMB = std::max(r.CommitMaxMB, sample.CommitMB);
    }
    open.LoadSum += sample.Load;
    open.AvailSum += sample.AvailMB;
    open.CommitSum += sample.CommitMB;
    ++open.Count;
    r.Samples = static_cast<std::uint16_t>(std::min<std::uint64_t>(open.Count, UINT16_MAX));
}

void MemoryHistory::CloseOpenMinute() {
    const MinuteRecord record =
        Finished(open_->Record, open_->LoadSum, open_->AvailSum, open_->CommitSum, open_->Count);
    open_.reset();
    // The same minute is already kept when the program restarted within it.
    if (!minutes_.empty() && minutes_.back().Minute == record.Minute) {
        minutes_.back() = CombineMinutes(minutes_.back(), record);
    } else {
        minutes_.push_back(record);
    }
}

void MemoryHistory::MarkTrim(std::uint64_t tickMs, std::uint64_t availBefore,
                             std::uint64_t availAfter) {
    AgeOut(tickMs);
    TickMarker marker;
    marker.TickMs = static_cast<std::uint32_t>(tickMs);
    marker.Kind = kMarkTrim;
    marker.AvailBeforeMB = StoredMegabytes(availBefore);
    marker.AvailAfterMB = StoredMegabytes(availAfter);
    markers_.push_back(marker);
    if (open_) {
        open_->Record.Marks |= kMarkTrim;
        open_->Record.TrimBeforeMB = marker.AvailBeforeMB;
        open_->Record.TrimAfterMB = marker.AvailAfterMB;
    }
}

void MemoryHistory::MarkHighMemory(std::uint64_t tickMs) {
    AgeOut(tickMs);
    TickMarker marker;
    marker.TickMs = static_cast<std::uint32_t>(tickMs);
    marker.Kind = kMarkHighMemory;
    markers_.push_back(marker);
    if (open_) {
        open_->Record.Marks |= kMarkHighMemory;
    }
}

void MemoryHistory::RestoreMinutes(std::span<const MinuteRecord> minutes) {
    minutes_.clear();
    for (const MinuteRecord& record : minutes) {
        if (open_ && record.Minute > open_->Record.Minute) {
            break;
        }
        minutes_.push_back(record);
    }
}

std::vector<MinuteRecord> MemoryHistory::Minutes() const {
    std::vector<MinuteRecord> all;
    all.reserve(minutes_.size() + 1);
    for (std::size_t i = 0; i < minutes_.size(); ++i) {
        all.push_back(minutes_[i]);
    }
    if (open_) {
        const MinuteRecord current = Finished(open_->Record, open_->LoadSum, open_->AvailSum,
                                              open_->CommitSum, open_->Count);
        if (!all.empty() && all.back().Minute == current.Minute) {
            all.back() = CombineMinutes(all.back(), current);
        } else {
            all.push_back(current);
        }
    }
    return all;
}

std::size_t MemoryHistory::HeapBytes() const {
    return ticks_.HeapBytes() + markers_.HeapBytes() + minutes_.HeapBytes();
}

}  // namespace orvane
