#pragma once

#include <windows.h>

#include <cstdint>

namespace orvane::win {

// When the process behind the handle started, in FILETIME ticks; 0 when it cannot be read.
std::uint64_t ProcessCreationTime(HANDLE process);

}  // namespace orvane::win
