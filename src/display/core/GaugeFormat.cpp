#include "display/core/GaugeFormat.h"

namespace orvane {

namespace {

// q + rem / divisor rounded to the nearest integer, halves to the even neighbour.
std::uint64_t RoundHalfEven(std::uint64_t q, std::uint64_t rem, std::uint64_t divisor) {
    if (2 * rem > divisor || (2 * rem == divisor && (q % 2) != 0)) {
        ++q;
    }
    return q;
}

std::wstring GroupThousands(std::uint64_t value, const std::wstring& thousands) {
    const std::wstring digits = std::to_wstring(value);
    std::wstring out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            out += thousands;
        }
        out += digits[i];
    }
    return out;
}

}  // namespace

std::wstring FormatGaugeValue(std::int64_t n, const NumberSeparators& separators) {
    const bool negative = n < 0;
    const std::uint64_t m = negative ? 0 - static_cast<std::uint64_t>(n) : std::uint64_t(n);
    std::wstring text;
    if (m < 10240) {
        text = GroupThousands(m, separators.Thousands);
    } else if (m < 10485760) {
        text = GroupThousands(RoundHalfEven(m >> 10, m & 1023, 1024), separators.Thousands);
    } else {
        constexpr std::uint64_t kGiB = std::uint64_t{1} << 30;
        // Hundredths of a GiB, exact: the whole part and the remainder are scaled apart.
        const std::uint64_t scaledRem = (m & (kGiB - 1)) * 100;
        const std::uint64_t cents =
            RoundHalfEven((m >> 30) * 100 + (scaledRem >> 30), scaledRem & (kGiB - 1), kGiB);
        const std::wstring frac = std::to_wstring(cents % 100);
        text = GroupThousands(cents / 100, separators.Thousands) + separators.Decimal +
               (frac.size() < 2 ? L"0" + frac : frac);
    }
    return negative ? L"-" + text : text;
}

}  // namespace orvane
