#pragma once

#include <functional>
#include <string>

#include "settings/core/SettingsStore.h"
#include "settings/win/ProfileFile.h"

namespace orvane::win {

// Makes a new, empty file with a short unique name in `folder` (which ends in a backslash) and
// returns its path; empty when the folder takes no new file.
using ProfileCopyMaker = std::function<std::wstring(const std::wstring& folder)>;

// Writes to the profile (INI) file at `path` in one step: `write` goes to a copy beside the file,
// through the profile functions, so that sections and keys it does not touch are kept; the copy
// replaces the file only once every write has reached the disk. On failure the file is left as
// it was, the copy is removed and AppError "Unable to write to <path>" is thrown.
// Where no copy can be made beside the file (a folder in which only the file is writable), the
// file itself is written, with the same check that every write reached the disk.
// `call` stands for the system's profile-string write and `makeCopy` for GetTempFileNameW
// (tests put in ones that fail).
void SaveProfileThroughCopy(const std::wstring& path,
                            const std::function<void(SettingsWriter&)>& write,
                            const ProfileWriteCall& call = {},
                            const ProfileCopyMaker& makeCopy = {});

}  // namespace orvane::win
