#pragma once

#include <cstdint>

namespace orvane {

// A byte count in whole megabytes (2^20 bytes), nearest with halves to the even neighbour.
std::uint64_t WholeMegabytes(std::uint64_t bytes);

// The same, held in 32 bits as the history stores it (4 PB and more stay at the top).
std::uint32_t StoredMegabytes(std::uint64_t bytes);

}  // namespace orvane
