#pragma once

#include <string>

namespace orvane {

// The user's number separators (LOCALE_SDECIMAL, LOCALE_STHOUSAND), gathered by the shell.
struct NumberSeparators {
    std::wstring Decimal = L".";
    std::wstring Thousands = L",";
};

}  // namespace orvane
