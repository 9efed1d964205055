#pragma once

#include <span>
#include <string>
#include <string_view>

namespace orvane {

// A drive letter and the device it stands for, as QueryDosDeviceW reports it
// ("C:" → "\Device\HarddiskVolume3").
struct DosDevice {
    std::wstring Drive;
    std::wstring Target;
};

// The path that Win32 functions show for a path in the system's own namespace:
// "\Device\HarddiskVolume3\Windows\explorer.exe" → "C:\Windows\explorer.exe" with the first
// drive whose device starts the path. Empty when no drive's device does (a network share, a
// volume mounted without a letter): the caller then asks the process itself.
std::wstring DosPathFromNtPath(std::wstring_view ntPath, std::span<const DosDevice> devices);

}  // namespace orvane
