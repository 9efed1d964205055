#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "history/core/ExtensionOptions.h"
#include "history/core/LeakWatch.h"
#include "history/core/MemoryHistory.h"
#include "history/win/HistoryClock.h"
#include "history/win/HistoryFile.h"
#include "monitor/core/MemorySnapshot.h"
#include "processes/core/ProcessTableEntry.h"
#include "processes/win/ProcessSnapshot.h"

namespace orvane::win {

// The memory history and the leak watch as the main form feeds them: every sampling tick's
// memory status, one process snapshot a minute while the leak watch is on, the trims and the
// high-memory steps; the minutes are kept in the history file across restarts.
class HistoryRecorder {
  public:
    static constexpr std::uint64_t kSaveEveryMs = 3600000;
    using TakeProcesses = std::function<std::vector<ProcessTableEntry>()>;

    // `options` are read at every tick (the settings may change meanwhile). Empty `take`: the
    // one-call process snapshot.
    HistoryRecorder(const ExtensionOptions& options, HistoryClock* clock = nullptr,
                    TakeProcesses take = {});

    // Reads the history file beside the settings file `settingsFile`.
    void Load(const std::wstring& settingsFile);
    // Writes the history file; false when it was left as it was.
    bool Save();

    void AddTick(const MemorySnapshot& snapshot);
    void MarkHighMemory();
    // The balloon's text when the trim report is on and the trim freed something.
    std::optional<std::wstring> MarkTrim(std::uint64_t availBefore, std::uint64_t availAfter);

    const MemoryHistory& History() const { return history_; }
    const LeakWatch& Leaks() const { return leaks_; }
    const ExtensionOptions& Options() const { return options_; }
    std::optional<LeakSuspect> SuspectOf(std::uint32_t processId, std::uint64_t creationTime) const;
    HistoryClock& Clock() const { return clock_; }
    const HistoryFile* File() const { return file_ ? &*file_ : nullptr; }

  private:
    void WatchLeaks(std::int32_t minute);

    const ExtensionOptions& options_;
    SystemHistoryClock systemClock_;
    HistoryClock& clock_;
    TakeProcesses take_;
    std::optional<ProcessSnapshot> snapshot_;
    MemoryHistory history_;
    LeakWatch leaks_;
    std::optional<LeakRule> appliedRule_;
    std::optional<HistoryFile> file_;
    std::optional<std::uint64_t> lastSaveMs_;
};

}  // namespace orvane::win
