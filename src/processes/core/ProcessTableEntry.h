#pragma once

#include <cstdint>
#include <string>

namespace orvane {

// One process as the system's process table reports it, without opening the process.
struct ProcessTableEntry {
    std::uint32_t ProcessID = 0;
    std::uint32_t ParentProcessID = 0;
    std::wstring Name;               // image file name, no folder; empty for the idle process
    std::uint64_t CreationTime = 0;  // FILETIME ticks: 100 ns since 1601-01-01
    std::uint64_t WorkingSetSize = 0;
    // Private committed bytes (the commit charge). Windows reports the same counter as
    // PrivateUsage; Wine fills only this one.
    std::uint64_t PagefileUsage = 0;
    std::uint32_t ThreadCount = 0;
    std::int32_t BasePriority = 0;

    bool operator==(const ProcessTableEntry&) const = default;
};

}  // namespace orvane
