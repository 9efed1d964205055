#include "app/win/VersionInfo.h"

#include <windows.h>

#include <vector>

#include "app/core/VersionText.h"
#include "common/win/SystemError.h"

namespace orvane::win {

namespace {

std::wstring VersionError() {
    const DWORD code = ::GetLastError();
    return L"GetFileVersionInfo failed: (" + std::to_wstring(code) + L") " +
           SystemErrorMessage(code);
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
