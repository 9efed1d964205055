#include "common/core/DpiScale.h"

#include <cstdint>

namespace orvane {

int ScaleByDpi(int n, int dpi) {
    const std::int64_t num = static_cast<std::int64_t>(n) * dpi;
    std::int64_t q = num / kBaseDpi;
    std::int64_t r = num % kBaseDpi;
    if (r < 0) {  // floor division, so the remainder is in [0, 96)
        r += kBaseDpi;
        --q;
    }
    if (2 * r > kBaseDpi || (2 * r == kBaseDpi && (q % 2) != 0)) {
        ++q;
    }
    return static_cast<int>(q);
}

}  // namespace orvane
