#include "options/core/IntegerText.h"

#include <limits>

namespace orvane {

std::optional<long long> ParseWholeNumber(std::wstring_view text) {
    const auto blank = [](wchar_t c) { return c == L' ' || c == L'\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    bool negative = false;
    if (!text.empty() && (text.front() == L'-' || text.front() == L'+')) {
        negative = text.front() == L'-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    constexpr long long kLimit = std::numeric_limits<long long>::max() / 10 - 10;
    long long value = 0;
    for (const wchar_t c : text) {
        if (c < L'0' || c > L'9') {
            return std::nullopt;
        }
        if (value < kLimit) {
            value = value * 10 + (c - L'0');
        }
    }
    return negative ? -value : value;
}

}  // namespace orvane
