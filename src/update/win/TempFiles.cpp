#include "update/win/TempFiles.h"

#include <windows.h>

#include <vector>

#include "common/win/FileChecks.h"
#include "common/win/Handles.h"
#include "update/core/TempFileName.h"

namespace orvane::win {

namespace {

std::wstring FullFolder(const std::wstring& path) {
    const DWORD need = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (need == 0) {
        return IncludeTrailingBackslash(path);
    }
    std::vector<wchar_t> buf(need);
    const DWORD n = ::GetFullPathNameW(path.c_str(), need, buf.data(), nullptr);
    return IncludeTrailingBackslash(n > 0 && n < need ? std::wstring(buf.data(), n) : path);
}

double DayFractionNow() {
    SYSTEMTIME t{};
    ::GetLocalTime(&t);
    const double ms = ((t.wHour * 60.0 + t.wMinute) * 60.0 + t.wSecond) * 1000.0 + t.wMilliseconds;
    return ms / 86400000.0;
}

}  // namespace

std::wstring GetTempFolder() {
    std::vector<wchar_t> buf(MAX_PATH);
    DWORD n = ::GetTempPathW(static_cast<DWORD>(buf.size()), buf.data());
    if (n > buf.size()) {
        buf.resize(n);
        n = ::GetTempPathW(static_cast<DWORD>(buf.size()), buf.data());
    }
    if (n == 0 || n > buf.size()) {
        return FullFolder(L".");
    }
    return FullFolder(std::wstring(buf.data(), n));
}

std::wstring UniqueTempFileName(const std::wstring& folder, const std::wstring& extension) {
    const std::wstring base = IncludeTrailingBackslash(folder);
    // Every five-digit name may be taken: the tries end after all of them.
    for (unsigned attempt = 0; attempt < 100000; ++attempt) {
        const std::wstring path = base + TempFileNameAt(DayFractionNow(), attempt, extension);
        UniqueKernelHandle file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                              FILE_ATTRIBUTE_TEMPORARY, nullptr));
        if (file) {
            return path;
        }
        const DWORD error = ::GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) {
            return {};
        }
    }
    return {};
}

}  // namespace orvane::win
