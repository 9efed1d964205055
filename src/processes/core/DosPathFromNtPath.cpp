#include "processes/core/DosPathFromNtPath.h"

namespace orvane {

namespace {

wchar_t AsciiUpper(wchar_t c) {
    return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}

// True when `path` starts with the folder `prefix` (compared without case for A to Z) and goes
// on below it: "\Device\HarddiskVolume1" is no prefix of "\Device\HarddiskVolume10\a.exe".
bool StartsWithFolder(std::wstring_view path, std::wstring_view prefix) {
    if (prefix.empty() || path.size() <= prefix.size() || path[prefix.size()] != L'\\') {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (AsciiUpper(path[i]) != AsciiUpper(prefix[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::wstring DosPathFromNtPath(std::wstring_view ntPath, std::span<const DosDevice> devices) {
    for (const DosDevice& d : devices) {
        if (StartsWithFolder(ntPath, d.Target)) {
            return d.Drive + std::wstring(ntPath.substr(d.Target.size()));
        }
    }
    return {};
}

}  // namespace orvane
