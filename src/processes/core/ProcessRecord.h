#pragma once

#include <cstdint>
#include <string>

namespace orvane {

// One process of a snapshot.
struct ProcessRecord {
    std::wstring Name;     // file name from the process table, no folder
    std::wstring ExeName;  // full image path; empty when unreadable
    std::wstring UserName;
    std::wstring Domain;
    double StartDateTime = 0;  // days since 1899-12-30; not filled by a snapshot
    // FILETIME ticks (100 ns since 1601-01-01) of the process's start; 0 when unreadable.
    // With the ID it names one process: an ID passes on, the pair never does.
    std::uint64_t CreationTime = 0;
    std::int64_t MemoryUsage = 0;  // bytes: working set, or private bytes for the page-file view
    std::uint32_t Usage = 0;
    std::uint32_t ProcessID = 0;
    std::uint32_t DefaultHeapID = 0;
    std::uint32_t ModuleID = 0;
    std::uint32_t ThreadCount = 0;
    std::uint32_t ParentProcessID = 0;
    std::int32_t PriClassBase = 0;
    std::int32_t Tag = 0;  // free for the user; the tray menu keeps the merge count here

    bool operator==(const ProcessRecord&) const = default;
};

enum MemoryUnit : int { utByte = 0, utKiloByte = 1, utMegaByte = 2, utGigaByte = 3 };

// A byte count in the given unit, remainder dropped; 0 for an unknown unit.
std::int64_t ConvertMemoryUnit(std::int64_t bytes, int unitType);

}  // namespace orvane
