#include "common/win/FileChecks.h"

#include <windows.h>

namespace orvane::win {

namespace {

DWORD AttributesOf(const std::wstring& path) {
    return DriveAvailable(path) ? ::GetFileAttributesW(path.c_str()) : INVALID_FILE_ATTRIBUTES;
}

}  // namespace

bool DriveAvailable(std::wstring_view path) {
    if (path.empty()) {
        return false;
    }
    wchar_t drive = path.front();
    if (drive == L'\\') {
        return true;
    }
    if (drive >= L'a' && drive <= L'z') {
        drive = static_cast<wchar_t>(drive - L'a' + L'A');
    }
    if (drive < L'A' || drive > L'Z') {
        return false;
    }
    const wchar_t root[] = {drive, L':', L'\\', L'\0'};
    const UINT oldMode = ::SetErrorMode(SEM_FAILCRITICALERRORS);
    ULARGE_INTEGER totalBytes{};
    const BOOL queried = ::GetDiskFreeSpaceExW(root, nullptr, &totalBytes, nullptr);
    ::SetErrorMode(oldMode);
    return queried != FALSE;
}

bool FileExists(const std::wstring& path) {
    const DWORD attributes = AttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool DirectoryExists(const std::wstring& path) {
    const DWORD attributes = AttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IsMissingFileError(unsigned long error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

std::wstring IncludeTrailingBackslash(std::wstring path) {
    if (path.empty() || path.back() != L'\\') {
        path += L'\\';
    }
    return path;
}

}  // namespace orvane::win
