#include "settings/win/SettingsFile.h"

#include <windows.h>

#include <utility>

#include "common/win/FileChecks.h"
#include "common/win/Handles.h"
#include "common/win/SharedFileRead.h"
#include "settings/core/SettingsSchema.h"
#include "settings/win/ProfileSave.h"

namespace orvane::win {

namespace {

constexpr std::chrono::milliseconds kReadRetryStep{100};

// No file to read: every key takes its default.
class NoSettings final : public SettingsReader {
  public:
    std::wstring ReadString(std::wstring_view, std::wstring_view,
                            std::wstring_view defaultValue) const override {
        return std::wstring(defaultValue);
    }
};

}  // namespace

SettingsFile::SettingsFile(std::wstring path, std::chrono::milliseconds readRetry,
                           ProfileWriteCall write)
    : path_(std::move(path)), readRetry_(readRetry), write_(std::move(write)) {}

OrvaneOptions SettingsFile::Load(const std::wstring& defaultLogFile, const FontSpec& currentFont,
                                 const SectionReader& readMore) {
    DWORD error = ERROR_SUCCESS;
    const UniqueKernelHandle file =
        OpenForReadingWithRetry(path_, readRetry_, kReadRetryStep, error);
    unreadable_ = !file && !IsMissingFileError(error);
    if (!file) {
        const NoSettings none;
        if (readMore) {
            readMore(none);
        }
        return ReadOptions(none, defaultLogFile, currentFont);
    }
    // Held open while reading, so nobody can take it without sharing in the meantime.
    const ProfileFile profile(path_);
    if (readMore) {
        readMore(profile);
    }
    return ReadOptions(profile, defaultLogFile, currentFont);
}

void SettingsFile::Save(const OrvaneOptions& options, const SectionWriter& writeMore) {
    if (unreadable_) {
        return;
    }
    SaveProfileThroughCopy(
        path_,
        [&](SettingsWriter& file) {
            WriteOptions(options, file);
            if (writeMore) {
                writeMore(file);
            }
        },
        write_);
}

}  // namespace orvane::win
