#pragma once

#include <cstdint>

namespace orvane {

// One reading of the system's memory status.
struct MemorySnapshot {
    std::uint32_t MemoryLoad = 0;  // percent of physical memory in use, 0..100
    std::uint64_t TotalPhys = 0;
    std::uint64_t AvailPhys = 0;
    std::uint64_t TotalPageFile = 0;  // commit limit
    std::uint64_t AvailPageFile = 0;
};

}  // namespace orvane
