#pragma once

#include <string>
#include <string_view>

namespace orvane::win {

// Whether a path's drive may be touched: a network path (leading backslash) passes; a drive
// letter (either case) passes only if the drive's size can be queried, asked with the system's
// critical-error prompts off so an empty removable drive stays silent; anything else fails.
bool DriveAvailable(std::wstring_view path);

// Existence tests that first pass the drive test; a path that fails it does not exist.
bool FileExists(const std::wstring& path);
bool DirectoryExists(const std::wstring& path);

// Whether a system error code says that a file or its folder does not exist.
bool IsMissingFileError(unsigned long error);

// The path with one trailing backslash.
std::wstring IncludeTrailingBackslash(std::wstring path);

}  // namespace orvane::win
