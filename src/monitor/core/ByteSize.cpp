#include "monitor/core/ByteSize.h"

namespace orvane {

namespace {

constexpr std::int64_t kKiB = 1024;
constexpr std::int64_t kMiB = kKiB * 1024;
constexpr std::int64_t kGiB = kMiB * 1024;

// value / unit in units of 1 / scale, rounded half away from zero; value is positive here.
std::int64_t ScaledQuotient(std::int64_t value, std::int64_t unit, std::int64_t scale) {
    // Split first so that value * scale cannot overflow.
    const std::int64_t whole = value / unit;
    const std::int64_t fraction = (value % unit) * scale;
    std::int64_t scaled = whole * scale + fraction / unit;
    if ((fraction % unit) * 2 >= unit) {
        ++scaled;
    }
    return scaled;
}

// The pattern "#.##" applied to positive hundredths: no trailing decimal zeros, no zero
// integer part.
std::wstring OptionalDigits(std::int64_t hundredths, const NumberSeparators& separators) {
    std::wstring text = hundredths >= 100 ? std::to_wstring(hundredths / 100) : std::wstring();
    const auto decimals = static_cast<int>(hundredths % 100);
    if (decimals != 0) {
        text += separators.Decimal;
        text += static_cast<wchar_t>(L'0' + decimals / 10);
        if (decimals % 10 != 0) {
            text += static_cast<wchar_t>(L'0' + decimals % 10);
        }
    }
    return text;
}

}  // namespace

std::wstring FormatByteSize(std::int64_t bytes, const NumberSeparators& separators) {
    if (bytes > kGiB) {
        return OptionalDigits(ScaledQuotient(bytes, kGiB, 100), separators) + L" GB";
    }
    if (bytes > kMiB) {
        return std::to_wstring(ScaledQuotient(bytes, kMiB, 1)) + L" MB";
    }
    if (bytes > kKiB) {
        return OptionalDigits(ScaledQuotient(bytes, kKiB, 100), separators) + L" KB";
    }
    if (bytes == 1) {
        return L"1 byte";
    }
    // A plain byte count has no decimals; only its zero is left out.
    return (bytes == 0 ? std::wstring() : std::to_wstring(bytes)) + L" bytes";
}

}  // namespace orvane
