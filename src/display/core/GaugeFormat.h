#pragma once

#include <cstdint>
#include <string>

#include "common/core/LocaleFormat.h"

namespace orvane {

// A byte count as the icon shows it, with the locale's separators and no unit: bytes below
// 10240, KiB below 10 MiB, else GiB with two decimals.
std::wstring FormatGaugeValue(std::int64_t n, const NumberSeparators& separators);

}  // namespace orvane
