#include "options/win/ThemeFiles.h"

#include <windows.h>

#include "common/core/AppError.h"
#include "common/win/CmnFunc2.h"
#include "common/win/Handles.h"
#include "settings/win/ProfileFile.h"

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

// Removes a file even when it carries the read-only mark (a copy of a read-only theme does).
void RemoveFile(const std::wstring& path) {
    ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileW(path.c_str());
}

// Writes the theme into `copy` (a copy of the existing file, if any) and puts it in place.
bool SaveThroughCopy(const std::wstring& path, const std::wstring& copy, const std::wstring& name,
                     const ThemeValues& values) {
    const bool exists = ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    if (exists && !::CopyFileW(path.c_str(), copy.c_str(), FALSE)) {
        return false;
    }
    try {
        ProfileFile file(copy);
        WriteTheme(file, name, values);
    } catch (const AppError&) {
        return false;
    }
    // Flushes the system's cache of profile files.
    ::WritePrivateProfileStringW(nullptr, nullptr, nullptr, copy.c_str());
    return ::MoveFileExW(copy.c_str(), path.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
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
    const std::wstring copy = path + L".saving";
    RemoveFile(copy);
    if (!SaveThroughCopy(path, copy, name, values)) {
        RemoveFile(copy);
        throw AppError(L"Unable to write to " + path);
    }
}

void DeleteTheme(const std::wstring& path) {
    ::DeleteFileW(path.c_str());
}

}  // namespace orvane::win
