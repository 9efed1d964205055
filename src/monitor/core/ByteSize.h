#pragma once

#include <cstdint>
#include <string>

#include "common/core/LocaleFormat.h"

namespace orvane {

// A byte count as the memory texts show it: "#.## GB" above 2^30, "# MB" above 2^20, "#.## KB"
// above 1024, else "#.## bytes" ("1 byte"). Rounded half away from zero; trailing decimal zeros
// and a zero integer part are left out, so 0 gives " bytes". Decimal separator of the locale.
std::wstring FormatByteSize(std::int64_t bytes, const NumberSeparators& separators);

}  // namespace orvane
