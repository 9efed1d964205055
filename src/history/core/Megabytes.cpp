#include "history/core/Megabytes.h"

#include <limits>

namespace orvane {

std::uint64_t WholeMegabytes(std::uint64_t bytes) {
    constexpr std::uint64_t kHalf = std::uint64_t{1} << 19;
    const std::uint64_t whole = bytes >> 20;
    const std::uint64_t rest = bytes & ((std::uint64_t{1} << 20) - 1);
    return rest > kHalf || (rest == kHalf && (whole & 1) != 0) ? whole + 1 : whole;
}

std::uint32_t StoredMegabytes(std::uint64_t bytes) {
    constexpr std::uint64_t kTop = std::numeric_limits<std::uint32_t>::max();
    const std::uint64_t megabytes = WholeMegabytes(bytes);
    return static_cast<std::uint32_t>(megabytes < kTop ? megabytes : kTop);
}

}  // namespace orvane
