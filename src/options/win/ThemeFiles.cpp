#include "options/win/ThemeFiles.h"

#include <windows.h>

#include "common/core/AppError.h"
#include "common/win/FileChecks.h"
#include "common/win/Handles.h"
#include "settings/win/ProfileFile.h"
#include "settings/win/ProfileSave.h"

namespace orvane::win {

namespace {

struct FindCloser {
    using Type = HANDLE;
    static HANDLE Empty() { return INVALID_HANDLE_VALUE; }
    static bool IsValid(HANDLE h) { return h != INVALID_HANDLE_VALUE && h != nullptr; }
    static void Close(HANDLE h) { ::FindClose(h); }
};
using UniqueFind = UniqueHandle<FindCloser>;

// The pattern also matches short (8.3) names and other oddities: the long name must end in the
// extension itself.
bool HasThemeExtension(const std::wstring& fileName) {
    const std::size_t length = kThemeFileExtension.size();
    return fileName.size() > length &&
           ::CompareStringOrdinal(fileName.c_str() + fileName.size() - length,
                                  static_cast<int>(length), kThemeFileExtension.data(),
                                  static_cast<int>(length), TRUE) == CSTR_EQUAL;
}

}  // namespace

std::wstring ThemeFolder(const DataPaths& paths) {
    return paths.GetAppDataPath(true);
}

std::wstring ThemeFilePath(const std::wstring& folder, const std::wstring& name) {
    return IncludeTrailingBackslash(folder) + name + std::wstring(kThemeFileExtension);
}

std::vector<std::wstring> ListThemes(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW data{};
    const UniqueFind find(::FindFirstFileW(ThemeFilePath(folder, L"*").c_str(), &data));
    if (!find) {
        return names;
    }
    do {
        const std::wstring fileName = data.cFileName;
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && HasThemeExtension(fileName)) {
            names.push_back(fileName.substr(0, fileName.size() - kThemeFileExtension.size()));
        }
    } while (::FindNextFileW(find.get(), &data));
    return names;
}

ThemeValues LoadTheme(const std::wstring& path) {
    return ReadTheme(ProfileFile(path));
}

void SaveTheme(const std::wstring& path, const std::wstring& name, const ThemeValues& values) {
    SaveProfileThroughCopy(path, [&](SettingsWriter& file) { WriteTheme(file, name, values); });
}

bool DeleteTheme(const std::wstring& path) {
    return ::DeleteFileW(path.c_str()) != FALSE;
}

}  // namespace orvane::win
