#pragma once

#include <windows.h>

#include <string>

namespace orvane::win {

// The folder of the test program, where the fixture programs are built (with a trailing slash).
inline std::wstring FixtureDir() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring dir(path);
    return dir.substr(0, dir.find_last_of(L"\\/") + 1);
}

}  // namespace orvane::win
