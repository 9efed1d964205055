#include "settings/win/AutoStart.h"

#include <windows.h>

#include <utility>

namespace orvane::win {

AutoStart::AutoStart(RunKey key, std::wstring exePath)
    : key_(std::move(key)), exePath_(std::move(exePath)) {}

AutoStartView AutoStart::Current() const {
    return ViewOfRunValue(key_.Read(std::wstring(kAutoStartValueName)), exePath_);
}

bool AutoStart::Set(bool on) const {
    const std::wstring name(kAutoStartValueName);
    return on ? key_.Write(name, AutoStartValueFor(exePath_)) : key_.Remove(name);
}

std::wstring AutoStart::RunningExePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);  // long paths: the name was cut short
    }
}

}  // namespace orvane::win
