#pragma once

#include <functional>
#include <string>

#include "settings/core/SettingsStore.h"
#include "settings/win/ProfileFile.h"

namespace orvane::win {

// Writes to the profile (INI) file at `path` in one step: `write` goes to a copy beside the file
// ("<path>.saving"), through the profile functions, so that sections and keys it does not touch
// are kept; the copy replaces the file only once every write has reached the disk. On failure the
// file is left as it was, the copy is removed and AppError "Unable to write to <path>" is thrown.
// `call` stands for the system's profile-string write (tests put in one that fails).
void SaveProfileThroughCopy(const std::wstring& path,
                            const std::function<void(SettingsWriter&)>& write,
                            const ProfileWriteCall& call = {});

}  // namespace orvane::win
