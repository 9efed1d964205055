#include "history/core/ShortName.h"

namespace orvane {

namespace {

constexpr bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
// Needed only where wchar_t holds whole code points.
[[maybe_unused]] constexpr bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

ShortName::ShortName(std::wstring_view name) {
    std::size_t used = 0;
    for (const wchar_t c : name) {
        if (c == 0) {
            break;  // the end of the name as the units keep it
        }
        const auto code = static_cast<char32_t>(c);
        if (code > 0xFFFF) {
            // Wide characters of 32 bits (not on Windows): a surrogate pair.
            if (code > 0x10FFFF || used + 2 > kMaxUnits) {
                break;
            }
            units_[used++] = static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
            units_[used++] = static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
            continue;
        }
        if (used == kMaxUnits) {
            break;
        }
        units_[used++] = static_cast<char16_t>(code);
    }
    // Never end on half a pair.
    if (used > 0 && IsHighSurrogate(units_[used - 1])) {
        units_[--used] = 0;
    }
}

std::wstring ShortName::Text() const {
    std::wstring text;
    for (std::size_t i = 0; i < kMaxUnits && units_[i] != 0; ++i) {
        const char32_t unit = units_[i];
        if constexpr (sizeof(wchar_t) >= 4) {
            if (IsHighSurrogate(unit) && i + 1 < kMaxUnits && IsLowSurrogate(units_[i + 1])) {
                text += static_cast<wchar_t>(0x10000 + ((unit - 0xD800) << 10) +
                                             (units_[i + 1] - 0xDC00));
                ++i;
                continue;
            }
        }
        text += static_cast<wchar_t>(unit);
    }
    return text;
}

}  // namespace orvane
