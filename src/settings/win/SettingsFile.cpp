#include "settings/win/SettingsFile.h"

#include <windows.h>

#include <algorithm>
#include <set>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

#include "common/core/AppError.h"
#include "common/win/Handles.h"
#include "settings/core/SettingsSchema.h"

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

bool IsMissing(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool IsDirectory(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Drops what the profile functions hold of the file in memory, so the next read comes from disk.
void ForgetCachedProfile(const std::wstring& path) {
    ::WritePrivateProfileStringW(nullptr, nullptr, nullptr, path.c_str());
}

// A double-zero-terminated list the profile functions fill, grown until it fits.
template <typename Fill>
std::vector<std::wstring> ProfileList(Fill fill) {
    std::vector<wchar_t> buffer(4096);
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD length = fill(buffer.data(), size);
        if (length + 2 < size) {
            std::vector<std::wstring> items;
            for (const wchar_t* item = buffer.data(); *item != L'\0';
                 item += items.back().size() + 1) {
                items.emplace_back(item);
            }
            return items;
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::wstring Lower(std::wstring text) {
    if (!text.empty()) {
        ::CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
    }
    return text;
}

// One "section / key / value" line of a profile file; names compare as the profile functions
// compare them, without regard to case.
using ProfileLine = std::tuple<std::wstring, std::wstring, std::wstring>;

// Every line of the file that is not one of the program's own keys, as the profile functions
// read it from the disk.
std::vector<ProfileLine> ForeignLines(const std::wstring& path) {
    ForgetCachedProfile(path);
    std::set<std::pair<std::wstring, std::wstring>> own;
    for (const SettingField& field : SettingFields()) {
        if (field.Saved) {
            own.emplace(Lower(std::wstring(field.Section)), Lower(std::wstring(field.Key)));
        }
    }
    std::vector<ProfileLine> lines;
    const auto sections = ProfileList([&](wchar_t* buffer, DWORD size) {
        return ::GetPrivateProfileSectionNamesW(buffer, size, path.c_str());
    });
    for (const std::wstring& section : sections) {
        const auto entries = ProfileList([&](wchar_t* buffer, DWORD size) {
            return ::GetPrivateProfileSectionW(section.c_str(), buffer, size, path.c_str());
        });
        for (const std::wstring& entry : entries) {
            const std::size_t equals = entry.find(L'=');
            std::wstring key = Lower(entry.substr(0, equals));
            if (!own.contains({Lower(section), key})) {
                lines.emplace_back(Lower(section), std::move(key),
                                   equals == std::wstring::npos ? L"" : entry.substr(equals + 1));
            }
        }
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

bool IsPlainAscii(std::wstring_view text) {
    return std::all_of(text.begin(), text.end(), [](wchar_t c) { return c < 0x80; });
}

// The profile functions may report success for a write the disk took only in part (a full disk
// cuts the file short, and later writes build on what was left): every saved key must read back
// from the disk as written, and every line the program does not own must still be there. A text
// outside ASCII may change in the file's code page; it has to be present.
bool SaveReachedTheDisk(const std::wstring& path, const TOrvaneOptions& options,
                        const std::vector<ProfileLine>& foreignBefore) {
    if (ForeignLines(path) != foreignBefore) {
        return false;
    }
    const ProfileFile file(path);
    constexpr std::wstring_view kMissing = L"\x1\x2missing";
    for (const SettingField& field : SettingFields()) {
        if (!field.Saved) {
            continue;
        }
        const std::wstring written = SettingText(field, options);
        const std::wstring read = file.ReadString(field.Section, field.Key, kMissing);
        if (read == kMissing || (IsPlainAscii(written) && read != written)) {
            return false;
        }
    }
    return true;
}

// No file to read: every key takes its default.
class NoSettings final : public SettingsReader {
  public:
    std::wstring ReadString(std::wstring_view, std::wstring_view,
                            std::wstring_view defaultValue) const override {
        return std::wstring(defaultValue);
    }
};

bool FlushToDisk(const std::wstring& path) {
    const UniqueKernelHandle file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr,
                                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file && ::FlushFileBuffers(file.get());
}

}  // namespace

SettingsFile::SettingsFile(std::wstring path, std::chrono::milliseconds readRetry,
                           ProfileWriteCall write)
    : path_(std::move(path)), readRetry_(readRetry), write_(std::move(write)) {}

TOrvaneOptions SettingsFile::Load(const std::wstring& defaultLogFile,
                                  const TFontSpec& currentFont) {
    const auto giveUp = std::chrono::steady_clock::now() + readRetry_;
    DWORD error = ERROR_SUCCESS;
    UniqueKernelHandle file = OpenForReading(path_, error);
    // Another program may hold the file for a moment; a folder in its place stays one.
    while (!file && !IsMissing(error) && !IsDirectory(path_) &&
           std::chrono::steady_clock::now() < giveUp) {
        std::this_thread::sleep_for(kReadRetryStep);
        file = OpenForReading(path_, error);
    }
    unreadable_ = !file && !IsMissing(error);
    if (!file) {
        return ReadOptions(NoSettings{}, defaultLogFile, currentFont);
    }
    // Held open while reading, so nobody can take it without sharing in the meantime.
    ForgetCachedProfile(path_);
    return ReadOptions(ProfileFile(path_), defaultLogFile, currentFont);
}

void SettingsFile::Save(const TOrvaneOptions& options) {
    if (unreadable_) {
        return;
    }
    const AppError failed(L"Unable to write to " + path_);
    const std::wstring copy = path_ + L".tmp";
    ForgetCachedProfile(copy);
    ::DeleteFileW(copy.c_str());
    if (!::CopyFileW(path_.c_str(), copy.c_str(), FALSE) && !IsMissing(::GetLastError())) {
        ::DeleteFileW(copy.c_str());
        throw failed;
    }
    const std::vector<ProfileLine> foreign = ForeignLines(copy);
    try {
        ProfileFile file(copy, write_);
        WriteOptions(options, file);
    } catch (const AppError&) {
        ForgetCachedProfile(copy);
        ::DeleteFileW(copy.c_str());
        throw failed;
    }
    const bool complete = SaveReachedTheDisk(copy, options, foreign);
    ForgetCachedProfile(copy);
    if (!complete || !FlushToDisk(copy) ||
        !::MoveFileExW(copy.c_str(), path_.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ::DeleteFileW(copy.c_str());
        throw failed;
    }
    ForgetCachedProfile(path_);
}

}  // namespace orvane::win
