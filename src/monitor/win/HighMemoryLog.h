#pragma once

#include <windows.h>

#include <string>

#include "common/core/LocaleFormat.h"
#include "monitor/core/MemorySnapshot.h"

namespace orvane::win {

// Appends `line` and CR LF to the file at `path` in the system's ANSI code page, creating the
// file but never its folder. The file is open only for this call. A failure throws AppError
// with the file error's text ("File access denied", "Invalid filename", ...).
void AppendLogLine(const std::wstring& path, const std::wstring& line);

// Appends the log line for `snapshot`, dated now in the user's short date and long time.
void AppendHighMemoryLog(const std::wstring& path, const MemorySnapshot& snapshot,
                         const NumberSeparators& separators);

// The log command: opens the log in the system's viewer, or says that nothing has been logged.
void ShowHighMemoryLog(HWND owner, const std::wstring& logFile, int redPercent);

}  // namespace orvane::win
