#pragma once

#include <cstdint>
#include <string>

#include "common/core/LocaleFormat.h"

namespace orvane {

// A byte count as the memory texts show it: "#.## GB" above 2^30, "# MB" above 2^20, "#.## KB"
// above 1024, else "#.## bytes" ("1 byte"). Rounded half away from zero; trailing decimal zeros
// and a zero integer part are left out, so 0 gives " bytes". Decimal separator of the locale.
std::wstring FormatByteSize(std::int64_t bytes, const NumberSeparators& separators);

// "used/total" of one kind of memory, both as FormatByteSize gives them.
std::wstring UsedOfTotal(std::uint64_t total, std::uint64_t available,
                         const NumberSeparators& separators);

}  // namespace orvane
