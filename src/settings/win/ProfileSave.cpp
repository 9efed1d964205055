#include "settings/win/ProfileSave.h"

#include <windows.h>

#include <algorithm>
#include <map>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

#include "common/core/AppError.h"
#include "common/win/FileChecks.h"
#include "common/win/Handles.h"

namespace orvane::win {

namespace {

// Section and key names compare as the profile functions compare them, without regard to case.
using ProfileKey = std::pair<std::wstring, std::wstring>;
using ProfileLine = std::tuple<std::wstring, std::wstring, std::wstring>;

std::wstring Lower(std::wstring text) {
    if (!text.empty()) {
        ::CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
    }
    return text;
}

ProfileKey KeyOf(std::wstring_view section, std::wstring_view key) {
    return {Lower(std::wstring(section)), Lower(std::wstring(key))};
}

// Drops what the profile functions hold of the file in memory, so the next read comes from disk.
void ForgetCachedProfile(const std::wstring& path) {
    ::WritePrivateProfileStringW(nullptr, nullptr, nullptr, path.c_str());
}

// Removes a file even when it carries the read-only mark (a copy of a read-only file does).
void RemoveFile(const std::wstring& path) {
    ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileW(path.c_str());
}

// A list of zero-terminated texts the profile functions fill, grown until it fits.
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

// Every line of the file, as the profile functions read it from the disk, less `skip`'s keys.
std::vector<ProfileLine> LinesOnDisk(const std::wstring& path, const std::set<ProfileKey>& skip) {
    ForgetCachedProfile(path);
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
            ProfileKey key = KeyOf(section, entry.substr(0, equals));
            if (!skip.contains(key)) {
                lines.emplace_back(std::move(key.first), std::move(key.second),
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

// Passes each write on to the file and remembers the last value of each key.
class RecordingWriter final : public SettingsWriter {
  public:
    explicit RecordingWriter(ProfileFile& file) : file_(file) {}
    void WriteString(std::wstring_view section, std::wstring_view key,
                     std::wstring_view value) override {
        file_.WriteString(section, key, value);
        written[KeyOf(section, key)] = value;
    }
    std::map<ProfileKey, std::wstring> written;

  private:
    ProfileFile& file_;
};

// The profile functions may report success for a write the disk took only in part (a full disk
// cuts the file short, and later writes build on what was left): every written key must read
// back from the disk as written, and every other line must still be there. A text outside ASCII
// may change in the file's code page; it has to be present.
bool WritesReachedTheDisk(const std::wstring& path, const std::vector<ProfileLine>& before,
                          const std::map<ProfileKey, std::wstring>& written) {
    std::set<ProfileKey> keys;
    for (const auto& [key, value] : written) {
        keys.insert(key);
    }
    auto untouched = before;
    std::erase_if(untouched, [&](const ProfileLine& line) {
        return keys.contains({std::get<0>(line), std::get<1>(line)});
    });
    if (LinesOnDisk(path, keys) != untouched) {
        return false;
    }
    const ProfileFile file(path);
    constexpr std::wstring_view kMissing = L"\x1\x2missing";
    for (const auto& [key, value] : written) {
        const std::wstring read = file.ReadString(key.first, key.second, kMissing);
        if (read == kMissing || (IsPlainAscii(value) && read != value)) {
            return false;
        }
    }
    return true;
}

bool FlushToDisk(const std::wstring& path) {
    const UniqueKernelHandle file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr,
                                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file && ::FlushFileBuffers(file.get());
}

// Every write through the profile functions, then read back from the disk.
bool WriteAndCheck(const std::wstring& target, const std::function<void(SettingsWriter&)>& write,
                   const ProfileWriteCall& call) {
    const std::vector<ProfileLine> before = LinesOnDisk(target, {});
    ProfileFile file(target, call);
    RecordingWriter recorder(file);
    try {
        write(recorder);
    } catch (const AppError&) {
        return false;
    }
    const bool complete = WritesReachedTheDisk(target, before, recorder.written);
    ForgetCachedProfile(target);
    return complete;
}

std::wstring FolderOf(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".\\") : path.substr(0, slash + 1);
}

std::wstring MakeUniqueFile(const std::wstring& folder) {
    wchar_t name[MAX_PATH + 1] = {};
    if (!::GetTempFileNameW(folder.c_str(), L"orv", 0, name)) {
        return {};
    }
    return name;
}

bool SaveThroughCopy(const std::wstring& path, const std::wstring& copy,
                     const std::function<void(SettingsWriter&)>& write,
                     const ProfileWriteCall& call) {
    if (!::CopyFileW(path.c_str(), copy.c_str(), FALSE) && !IsMissingFileError(::GetLastError())) {
        return false;
    }
    return WriteAndCheck(copy, write, call) && FlushToDisk(copy) &&
           ::MoveFileExW(copy.c_str(), path.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

}  // namespace

void SaveProfileThroughCopy(const std::wstring& path,
                            const std::function<void(SettingsWriter&)>& write,
                            const ProfileWriteCall& call, const ProfileCopyMaker& makeCopy) {
    // A short name: "<path>.saving" would push a path near MAX_PATH over it.
    const std::wstring copy = makeCopy ? makeCopy(FolderOf(path)) : MakeUniqueFile(FolderOf(path));
    if (copy.empty()) {
        if (!WriteAndCheck(path, write, call)) {
            throw AppError(L"Unable to write to " + path);
        }
        ForgetCachedProfile(path);
        return;
    }
    ForgetCachedProfile(copy);
    const bool saved = SaveThroughCopy(path, copy, write, call);
    ForgetCachedProfile(copy);
    if (!saved) {
        RemoveFile(copy);
        throw AppError(L"Unable to write to " + path);
    }
    ForgetCachedProfile(path);
}

}  // namespace orvane::win
