#pragma once

#include <string>

namespace orvane::win {

// The user's temporary folder as a full path with a trailing backslash; the current folder
// when the system has none to give.
std::wstring GetTempFolder();

// A new, empty file in `folder` named "TMP" + five digits from the time of day + `extension`,
// created exclusively so that no file that exists (or appears meanwhile) is ever reused or
// overwritten. Returns its full name; empty when no file could be created there.
std::wstring UniqueTempFileName(const std::wstring& folder, const std::wstring& extension);

}  // namespace orvane::win
