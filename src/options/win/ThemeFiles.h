#pragma once

#include <string>
#include <vector>

#include "options/core/ThemeFile.h"
#include "settings/win/DataPaths.h"

namespace orvane::win {

// The theme folder: "Themes\" of the data folder, created when missing; trailing backslash.
std::wstring ThemeFolder(const DataPaths& paths);

// The file of the theme `name` in `folder`.
std::wstring ThemeFilePath(const std::wstring& folder, const std::wstring& name);

// The names of the theme files in `folder`, in the order the file system lists them. Folders are
// left out; hidden and system files count.
std::vector<std::wstring> ListThemes(const std::wstring& folder);

// Reads a theme file; a missing file reads as all defaults.
ThemeValues LoadTheme(const std::wstring& path);

// Writes the theme's keys in their order; keys of an existing file that a theme does not write
// stay. The writes go to a copy that replaces the file only when all of them succeeded, so a
// failed save leaves the old file as it was. Throws AppError "Unable to write to <path>".
void SaveTheme(const std::wstring& path, const std::wstring& name, const ThemeValues& values);

// Deletes a theme file; false when it stays (read-only, held open, no right to delete it).
bool DeleteTheme(const std::wstring& path);

}  // namespace orvane::win
