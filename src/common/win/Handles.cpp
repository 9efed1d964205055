#include "common/win/Handles.h"

#include <string>

namespace orvane::win {

UniqueModule LoadSystemLibrary(const wchar_t* name) {
    // LOAD_LIBRARY_SEARCH_SYSTEM32 needs KB2533623 on Windows 7; without it the flag is
    // rejected, and the full System32 path is used instead.
    constexpr DWORD kSearchSystem32 = 0x00000800;
    HMODULE m = ::LoadLibraryExW(name, nullptr, kSearchSystem32);
    if (!m) {
        wchar_t dir[MAX_PATH];
        const UINT n = ::GetSystemDirectoryW(dir, MAX_PATH);
        if (n > 0 && n < MAX_PATH) {
            std::wstring path(dir, n);
            path += L'\\';
            path += name;
            m = ::LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
        }
    }
    return UniqueModule(m);
}

}  // namespace orvane::win
