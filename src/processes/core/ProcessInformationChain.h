#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "processes/core/ProcessTableEntry.h"

namespace orvane {

// Where the fields read stand in one record of the system's process table, as the 64-bit
// system writes it (SYSTEM_PROCESS_INFORMATION). Offsets are in bytes from the record's start.
struct ProcessInformationLayout {
    static constexpr std::size_t kRecordSize = 256;
    static constexpr std::size_t kNextEntryOffset = 0;
    static constexpr std::size_t kNumberOfThreads = 4;
    static constexpr std::size_t kCreateTime = 32;
    static constexpr std::size_t kImageNameLength = 56;  // bytes, not counting a NUL
    static constexpr std::size_t kImageNameBuffer = 64;  // an address in the caller's memory
    static constexpr std::size_t kBasePriority = 72;
    static constexpr std::size_t kUniqueProcessId = 80;
    static constexpr std::size_t kInheritedFromUniqueProcessId = 88;
    static constexpr std::size_t kWorkingSetSize = 144;
    static constexpr std::size_t kPagefileUsage = 184;
};

// Reads the chain of records that the process query wrote into `bytes` (the length it
// reported), where `bytes` stood at `address` in the caller's memory: the names point there.
// Gives nothing when the bytes cannot be trusted: a record or name outside them, a chain that
// does not move forward, an odd name length, a process ID wider than 32 bits, or no record.
std::optional<std::vector<ProcessTableEntry>> ParseProcessInformationChain(
    std::span<const std::uint8_t> bytes, std::uint64_t address);

}  // namespace orvane
