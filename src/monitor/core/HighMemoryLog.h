#pragma once

#include <string>

#include "common/core/LocaleFormat.h"
#include "dialogs/core/MessageBoxBuilder.h"
#include "monitor/core/MemorySnapshot.h"

namespace orvane {

// One line of the high-memory log, without its line break: date, time, load, physical memory
// and page file as used / total. `date` and `time` are in the user's formats.
std::wstring HighMemoryLogLine(const std::wstring& date, const std::wstring& time,
                               const MemorySnapshot& snapshot, const NumberSeparators& separators);

// The notice of the log command when nothing has been logged yet.
MessageBoxBuilder NoHighMemoryLogBox(int redPercent, const std::wstring& logFile);

// The text of a failed file operation, by its system error code: "File not found", "Invalid
// filename", "File access denied", "Disk full", or "I/O error <code>".
std::wstring InOutErrorMessage(unsigned long code);

}  // namespace orvane
