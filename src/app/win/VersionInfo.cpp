#include "app/win/VersionInfo.h"

#include <windows.h>

#include <vector>

#include "app/core/VersionText.h"

namespace orvane::win {

namespace {

std::wstring SystemMessage(DWORD code) {
    wchar_t* buf = nullptr;
    const DWORD n = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&buf), 0, nullptr);
    std::wstring text(buf ? buf : L"", n);
    ::LocalFree(buf);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) {
        text.pop_back();
    }
    return text;
}

std::wstring VersionError() {
    const DWORD code = ::GetLastError();
    return L"GetFileVersionInfo failed: (" + std::to_wstring(code) + L") " + SystemMessage(code);
}

}  // namespace

std::wstring GetFileVersionText(const std::wstring& file) {
    DWORD handle = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(file.c_str(), &handle);
    if (size == 0) {
        return VersionError();
    }
    std::vector<unsigned char> data(size);
    if (!::GetFileVersionInfoW(file.c_str(), 0, size, data.data())) {
        return VersionError();
    }
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT len = 0;
    if (!::VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &len) || !fixed ||
        len < sizeof(VS_FIXEDFILEINFO)) {
        return {};
    }
    return FileVersionToText(fixed->dwFileVersionMS, fixed->dwFileVersionLS);
}

}  // namespace orvane::win
