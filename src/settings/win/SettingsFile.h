#pragma once

#include <chrono>
#include <functional>
#include <string>

#include "settings/core/OrvaneOptions.h"
#include "settings/core/SettingsStore.h"
#include "settings/win/ProfileFile.h"

namespace orvane::win {

// The settings file as the program loads and saves it.
//
// A file that exists but cannot be read (another program holds it open without sharing) is
// tried again for a while; if it stays unreadable the program runs on the defaults and never
// writes over it, so the user's values are not lost to the next save.
//
// A save goes to a copy beside the file, through the same profile functions, so keys and
// sections the program does not own are kept; the copy replaces the file only when every write
// has reached it. On failure the file is left as it was.
class SettingsFile {
  public:
    static constexpr std::chrono::milliseconds kReadRetry{3000};

    explicit SettingsFile(std::wstring path, std::chrono::milliseconds readRetry = kReadRetry,
                          ProfileWriteCall write = {});

    // A section other parts keep in the same file, after the program's own: read by every load
    // (from no file at all when the file is missing or unreadable, so it takes its defaults) and
    // written after the program's sections by every save, in the same step.
    using SectionReader = std::function<void(const SettingsReader&)>;
    using SectionWriter = std::function<void(SettingsWriter&)>;

    // Every setting from the file over the defaults, the font keys over `currentFont` and
    // "LogFile" over `defaultLogFile`.
    OrvaneOptions Load(const std::wstring& defaultLogFile, const FontSpec& currentFont,
                       const SectionReader& readMore = {});

    // True after a load that found the file present but unreadable: saves then leave it alone.
    bool Unreadable() const { return unreadable_; }

    // Writes every saved setting. Throws AppError "Unable to write to <path>" when it fails.
    void Save(const OrvaneOptions& options, const SectionWriter& writeMore = {});

    const std::wstring& Path() const { return path_; }
    // Where other parts may keep keys of their own (the custom colours): nowhere while the file
    // is left alone.
    std::wstring WritablePath() const { return unreadable_ ? std::wstring() : path_; }

  private:
    std::wstring path_;
    std::chrono::milliseconds readRetry_;
    ProfileWriteCall write_;
    bool unreadable_ = false;
};

}  // namespace orvane::win
