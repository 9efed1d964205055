#include "history/win/HistoryRecorder.h"

#include <utility>

#include "history/core/HistoryCsv.h"
#include "history/core/TrimReportText.h"

namespace orvane::win {

namespace {

// The folder part of a path, with its trailing backslash; empty for a bare name.
std::wstring FolderOf(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

}  // namespace

HistoryRecorder::HistoryRecorder(const ExtensionOptions& options, HistoryClock* clock,
                                 TakeProcesses take)
    : options_(options), clock_(clock ? *clock : systemClock_), take_(std::move(take)) {}

void HistoryRecorder::Load(const std::wstring& settingsFile) {
    file_.emplace(FolderOf(settingsFile) + std::wstring(kHistoryCsvFileName));
    const auto now = UtcMinuteOf(clock_.Now());
    if (!now) {
        return;
    }
    const std::vector<MinuteRecord> minutes = file_->Load(*now);
    history_.RestoreMinutes(minutes);
}

bool HistoryRecorder::Save() {
    lastSaveMs_ = clock_.TickMs();
    return file_ && file_->Save(history_.Minutes());
}

void HistoryRecorder::AddTick(const MemorySnapshot& snapshot) {
    const HistoryTime now{clock_.TickMs(), clock_.Now()};
    if (history_.AddTick(now, snapshot)) {
        if (const auto minute = UtcMinuteOf(now.Local)) {
            WatchLeaks(*minute);
        }
    }
    if (!lastSaveMs_) {
        lastSaveMs_ = now.TickMs;
    } else if (now.TickMs - *lastSaveMs_ >= kSaveEveryMs) {
        Save();
    }
}

void HistoryRecorder::WatchLeaks(std::int32_t minute) {
    if (!options_.LeakWatch) {
        if (appliedRule_) {
            leaks_.Clear();
            appliedRule_.reset();
        }
        return;
    }
    const LeakRule rule = LeakRuleOf(options_);
    if (appliedRule_ != rule) {
        leaks_.SetRule(rule);
        appliedRule_ = rule;
    }
    std::vector<ProcessTableEntry> table;
    if (take_) {
        table = take_();
    } else {
        if (!snapshot_) {
            snapshot_.emplace();
        }
        table = snapshot_->Take();
    }
    std::vector<ProcessPrivateBytes> processes;
    processes.reserve(table.size());
    for (ProcessTableEntry& entry : table) {
        if (entry.ProcessID == 0) {
            continue;  // the idle process has no memory of its own
        }
        processes.push_back(
            {{entry.ProcessID, entry.CreationTime}, std::move(entry.Name), entry.PagefileUsage});
    }
    leaks_.AddSnapshot(minute, processes);
}

void HistoryRecorder::MarkHighMemory() {
    history_.MarkHighMemory(clock_.TickMs());
}

std::optional<std::wstring> HistoryRecorder::MarkTrim(std::uint64_t availBefore,
                                                      std::uint64_t availAfter) {
    history_.MarkTrim(clock_.TickMs(), availBefore, availAfter);
    if (!options_.TrimReport) {
        return std::nullopt;
    }
    return TrimReportText(availBefore, availAfter);
}

std::optional<LeakSuspect> HistoryRecorder::SuspectOf(std::uint32_t processId,
                                                      std::uint64_t creationTime) const {
    if (!options_.LeakWatch) {
        return std::nullopt;
    }
    return leaks_.SuspectOf({processId, creationTime});
}

}  // namespace orvane::win
