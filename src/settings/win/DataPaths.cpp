#include "settings/win/DataPaths.h"

#include <windows.h>
#include <shlobj.h>

#include <utility>

#include "common/win/FileChecks.h"

namespace orvane::win {

namespace {

constexpr wchar_t kSettingsFileName[] = L"Orvane.Settings";
constexpr wchar_t kLogFileName[] = L"Orvane.log";

}  // namespace

std::wstring ExecutableFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return path.substr(0, path.find_last_of(L'\\') + 1);
}

DataPaths::DataPaths(std::wstring exeFolder)
    : exeFolder_(IncludeTrailingBackslash(std::move(exeFolder))) {}

std::wstring DataPaths::GetIniFile() {
    const std::wstring beside = exeFolder_ + kSettingsFileName;
    isLocalSettings_ = FileExists(beside);
    return isLocalSettings_ ? beside : GetAppDataPath(false) + kSettingsFileName;
}

std::wstring DataPaths::GetAppDataPath(bool addThemeDir) const {
    std::wstring path;
    if (isLocalSettings_) {
        path = exeFolder_;
    } else {
        wchar_t appData[MAX_PATH + 1] = {};
        ::SHGetSpecialFolderPathW(nullptr, appData, CSIDL_APPDATA, TRUE);
        path = IncludeTrailingBackslash(appData) + L"Velmoria\\Orvane\\";
    }
    if (addThemeDir) {
        path = IncludeTrailingBackslash(std::move(path)) + L"Themes\\";
    }
    if (!DirectoryExists(path)) {
        // A failure shows later, when something is written there.
        ::SHCreateDirectoryExW(nullptr, path.c_str(), nullptr);
    }
    return path;
}

std::wstring DataPaths::GetLogFile() const {
    const std::wstring beside = exeFolder_ + kLogFileName;
    return FileExists(beside) ? beside : GetAppDataPath(false) + kLogFileName;
}

}  // namespace orvane::win
