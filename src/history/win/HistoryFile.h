#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "history/core/MinuteRecord.h"

namespace orvane::win {

// The per-minute history file beside the settings file. The file is the user's: what of it is
// sound is read; one that exists but cannot be read is never written over in this run; a save
// goes to a copy beside it ("<path>.saving") that replaces the file only once every byte is on
// the disk, so a full disk or a crash mid-save leaves the old file as it was.
class HistoryFile {
  public:
    // A locked file is tried again only this long: start-up does not wait on it.
    static constexpr std::chrono::milliseconds kReadRetry{300};

    explicit HistoryFile(std::wstring path, std::chrono::milliseconds readRetry = kReadRetry);

    // The sound minutes of the file up to `nowMinute`; none for a missing or unreadable file.
    std::vector<MinuteRecord> Load(std::int32_t nowMinute);

    // True after a load that found the file present but unreadable: saves then leave it alone.
    bool Unreadable() const { return unreadable_; }

    // Writes the minutes; false when the file was left as it was (unreadable, or a write failed).
    bool Save(const std::vector<MinuteRecord>& minutes) const;

    const std::wstring& Path() const { return path_; }

  private:
    std::wstring path_;
    std::chrono::milliseconds readRetry_;
    bool unreadable_ = false;
};

// Writes `bytes` to `path` through a copy beside it that replaces the file only when complete.
bool WriteFileThroughCopy(const std::wstring& path, std::string_view bytes);

}  // namespace orvane::win
