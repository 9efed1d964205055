#include "settings/win/SettingsFile.h"

#include <windows.h>

#include <thread>
#include <utility>

#include "common/win/FileChecks.h"
#include "common/win/Handles.h"
#include "settings/core/SettingsSchema.h"
#include "settings/win/ProfileSave.h"

namespace orvane::win {

namespace {

constexpr std::chrono::milliseconds kReadRetryStep{100};

// The file opened for reading with every kind of sharing, or the reason it could not be.
UniqueKernelHandle OpenForReading(const std::wstring& path, DWORD& error) {
    UniqueKernelHandle file(::CreateFileW(path.c_str(), GENERIC_READ,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    error = file ? ERROR_SUCCESS : ::GetLastError();
    return file;
}

bool IsDirectory(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

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
    const auto giveUp = std::chrono::steady_clock::now() + readRetry_;
    DWORD error = ERROR_SUCCESS;
    UniqueKernelHandle file = OpenForReading(path_, error);
    // Another program may hold the file for a moment; a folder in its place stays one.
    while (!file && !IsMissingFileError(error) && !IsDirectory(path_) &&
           std::chrono::steady_clock::now() < giveUp) {
        std::this_thread::sleep_for(kReadRetryStep);
        file = OpenForReading(path_, error);
    }
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
