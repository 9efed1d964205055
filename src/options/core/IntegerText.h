#pragma once

#include <optional>
#include <string_view>

namespace orvane {

// A decimal whole number with an optional sign and surrounding blanks; none for anything else.
// Values beyond the range of long long are cut to its ends.
std::optional<long long> ParseWholeNumber(std::wstring_view text);

}  // namespace orvane
