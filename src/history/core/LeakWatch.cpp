#include "history/core/LeakWatch.h"

#include <algorithm>
#include <limits>

namespace orvane {

namespace {

std::uint32_t Kilobytes(std::uint64_t bytes) {
    constexpr std::uint64_t kTop = std::numeric_limits<std::uint32_t>::max();
    return static_cast<std::uint32_t>(std::min(bytes / 1024, kTop));
}

bool MoreBytes(const ProcessPrivateBytes* a, const ProcessPrivateBytes* b) {
    return a->PrivateBytes > b->PrivateBytes;
}

// Drops the oldest value of a series that is already as long as the window, before a new one
// comes, so that its storage never grows past the window.
template <typename T>
void Append(std::vector<T>& series, T value, std::size_t window) {
    if (series.size() >= window) {
        series.erase(series.begin(),
                     series.begin() + static_cast<std::ptrdiff_t>(series.size() - window + 1));
    }
    series.push_back(value);
}

}  // namespace

LeakWatch::LeakWatch(const LeakRule& rule) {
    SetRule(rule);
}

std::size_t LeakWatch::WindowSamples() const {
    // One snapshot a minute: the window's minutes plus the sample it starts from.
    return static_cast<std::size_t>(rule_.Minutes) + 1;
}

void LeakWatch::SetRule(const LeakRule& rule) {
    rule_ = rule;
    // The window is what the memory ceiling is reckoned with.
    rule_.Minutes = std::clamp(rule.Minutes, 1, kMaxLeakMinutes);
    const std::size_t window = WindowSamples();
    const auto cut = [window](auto& series) {
        if (series.size() > window) {
            series.erase(series.begin(),
                         series.begin() + static_cast<std::ptrdiff_t>(series.size() - window));
        }
        series.shrink_to_fit();
        series.reserve(window);
    };
    cut(minutes_);
    for (Watched& process : watched_) {
        cut(process.Kilobytes);
        process.SuspectSince.reset();
        Judge(process);
    }
}

void LeakWatch::AddSnapshot(std::int32_t minute, std::span<const ProcessPrivateBytes> processes) {
    if (!minutes_.empty() && minute == minutes_.back()) {
        return;  // this minute has its snapshot
    }
    while (!tops_.empty() && tops_.back().Minute >= minute) {
        tops_.pop_back();
    }
    if (!minutes_.empty() &&
        (minute < minutes_.back() || minute - minutes_.back() > kMaxGapMinutes)) {
        std::vector<Watched>().swap(watched_);
        minutes_.clear();
    }
    const std::size_t window = WindowSamples();
    Append(minutes_, minute, window);

    // The largest processes, by key.
    std::vector<const ProcessPrivateBytes*> chosen;
    chosen.reserve(processes.size());
    for (const ProcessPrivateBytes& process : processes) {
        chosen.push_back(&process);
    }
    if (chosen.size() > kMaxProcesses) {
        std::nth_element(chosen.begin(), chosen.begin() + kMaxProcesses, chosen.end(), MoreBytes);
        chosen.resize(kMaxProcesses);
    }
    std::sort(chosen.begin(), chosen.end(),
              [](const auto* a, const auto* b) { return a->Key < b->Key; });

    std::vector<Watched> next;
    next.reserve(chosen.size());
    auto old = watched_.begin();
    for (const ProcessPrivateBytes* process : chosen) {
        if (!next.empty() && next.back().Key == process->Key) {
            continue;  // listed twice: the first counts
        }
        while (old != watched_.end() && old->Key < process->Key) {
            ++old;  // gone, or no longer among the largest
        }
        if (old != watched_.end() && old->Key == process->Key) {
            next.push_back(std::move(*old));
        } else {
            Watched fresh;
            fresh.Key = process->Key;
            fresh.Name = ShortName(process->Name);
            fresh.Kilobytes.reserve(window);
            next.push_back(std::move(fresh));
        }
        Append(next.back().Kilobytes, Kilobytes(process->PrivateBytes), window);
        Judge(next.back());
    }
    watched_.swap(next);
    RecordTop(minute, processes);
}

void LeakWatch::Judge(Watched& process) const {
    // A series covers the latest snapshots, as many as it has samples.
    const std::span<const std::int32_t> minutes(minutes_);
    const PrivateBytesSeries series{minutes.last(process.Kilobytes.size()), process.Kilobytes};
    const auto start = LeakStart(series, rule_);
    if (!start) {
        process.SuspectSince.reset();
    } else if (!process.SuspectSince) {
        process.SuspectSince = series.Minutes[*start];
        process.StartKB = series.Kilobytes[*start];
    }
}

LeakSuspect LeakWatch::SuspectFrom(const Watched& process) const {
    LeakSuspect suspect;
    suspect.Key = process.Key;
    suspect.Name = process.Name.Text();
    suspect.StartBytes = std::uint64_t{process.StartKB} * 1024;
    suspect.NowBytes = std::uint64_t{process.Kilobytes.back()} * 1024;
    suspect.SinceMinute = *process.SuspectSince;
    suspect.NowMinute = minutes_.back();
    const std::int64_t minutes = std::int64_t{suspect.NowMinute} - suspect.SinceMinute;
    const std::int64_t growth =
        static_cast<std::int64_t>(suspect.NowBytes) - static_cast<std::int64_t>(suspect.StartBytes);
    suspect.GrowthPerHour = minutes > 0 ? growth * 60 / minutes : 0;
    return suspect;
}

std::vector<LeakSuspect> LeakWatch::Suspects() const {
    std::vector<LeakSuspect> suspects;
    for (const Watched& process : watched_) {
        if (process.SuspectSince) {
            suspects.push_back(SuspectFrom(process));
        }
    }
    std::stable_sort(suspects.begin(), suspects.end(), [](const auto& a, const auto& b) {
        return a.GrowthPerHour > b.GrowthPerHour;
    });
    return suspects;
}

std::optional<LeakSuspect> LeakWatch::SuspectOf(const ProcessKey& key) const {
    const auto it =
        std::lower_bound(watched_.begin(), watched_.end(), key,
                         [](const Watched& w, const ProcessKey& k) { return w.Key < k; });
    if (it == watched_.end() || it->Key != key || !it->SuspectSince) {
        return std::nullopt;
    }
    return SuspectFrom(*it);
}

void LeakWatch::RecordTop(std::int32_t minute, std::span<const ProcessPrivateBytes> processes) {
    std::array<const ProcessPrivateBytes*, 3> top{};
    for (const ProcessPrivateBytes& process : processes) {
        const ProcessPrivateBytes* candidate = &process;
        for (auto& slot : top) {
            if (slot == nullptr || MoreBytes(candidate, slot)) {
                std::swap(slot, candidate);
                if (candidate == nullptr) {
                    break;
                }
            }
        }
    }
    MinuteTop entry;
    entry.Minute = minute;
    for (std::size_t i = 0; i < top.size() && top[i] != nullptr; ++i) {
        entry.Processes[i].Name = ShortName(top[i]->Name);
        entry.Processes[i].PrivateKB = Kilobytes(top[i]->PrivateBytes);
    }
    tops_.push_back(entry);
    while (tops_.front().Minute <= minute - kTopSpanMinutes) {
        tops_.pop_front();
    }
}

const MinuteTop* LeakWatch::TopAt(std::int32_t minute) const {
    std::size_t low = 0;
    std::size_t high = tops_.size();
    while (low < high) {
        const std::size_t mid = low + (high - low) / 2;
        if (tops_[mid].Minute < minute) {
            low = mid + 1;
        } else {
            high = mid;
        }
    }
    return low < tops_.size() && tops_[low].Minute == minute ? &tops_[low] : nullptr;
}

void LeakWatch::Clear() {
    std::vector<Watched>().swap(watched_);
    std::vector<std::int32_t>().swap(minutes_);
    tops_.clear();
}

std::size_t LeakWatch::HeapBytes() const {
    std::size_t bytes = HeapBlockBytes(watched_.capacity() * sizeof(Watched)) +
                        HeapBlockBytes(minutes_.capacity() * sizeof(std::int32_t)) +
                        tops_.HeapBytes();
    for (const Watched& process : watched_) {
        bytes += HeapBlockBytes(process.Kilobytes.capacity() * sizeof(std::uint32_t));
    }
    return bytes;
}

std::size_t LeakWatch::MaxHeapBytes() {
    constexpr std::size_t kMaxWindow = kMaxLeakMinutes + 1;
    return HeapBlockBytes(kMaxProcesses * sizeof(Watched)) +
           kMaxProcesses * HeapBlockBytes(kMaxWindow * sizeof(std::uint32_t)) +
           HeapBlockBytes(kMaxWindow * sizeof(std::int32_t)) +
           HeapBlockBytes(kTopSpanMinutes * sizeof(MinuteTop));
}

}  // namespace orvane
