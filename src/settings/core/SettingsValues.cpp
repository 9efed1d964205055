#include "settings/core/SettingsValues.h"

#include "common/core/HexDigit.h"
#include "settings/core/ColorText.h"

namespace orvane {

namespace {

int DigitValue(wchar_t c, int base) {
    const int value = HexDigitValue(c);
    return value < base ? value : -1;
}

}  // namespace

std::optional<std::int32_t> ParseIntegerValue(std::wstring_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == L'-' || text.front() == L'+')) {
        negative = text.front() == L'-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.starts_with(L'$')) {
        base = 16;
        text.remove_prefix(1);
    } else if (text.starts_with(L"0x") || text.starts_with(L"0X")) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    // Decimal stops at 2^31 (for the negative limit), hexadecimal at 2^32 - 1.
    const std::uint64_t limit = base == 10 ? 0x80000000u : 0xFFFFFFFFu;
    std::uint64_t magnitude = 0;
    for (const wchar_t c : text) {
        const int digit = DigitValue(c, base);
        if (digit < 0) {
            return std::nullopt;
        }
        magnitude = magnitude * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
        if (magnitude > limit) {
            return std::nullopt;
        }
    }
    if (base == 10 && !negative && magnitude == limit) {
        return std::nullopt;
    }
    // Two's complement in 32 bits: hexadecimal above 0x7FFFFFFF reads as a negative value.
    auto bits = static_cast<std::uint32_t>(magnitude);
    if (negative) {
        bits = 0u - bits;
    }
    return static_cast<std::int32_t>(bits);
}

std::optional<bool> ParseBooleanValue(std::wstring_view text) {
    const auto value = ParseIntegerValue(text);
    if (!value) {
        return std::nullopt;
    }
    return *value != 0;
}

ColorValue ParseColorValue(std::wstring_view text) {
    if (text.empty() || text == kAutomaticColorText) {
        return kAutomaticColor;
    }
    return TextToColor(text);
}

std::wstring IntegerValueText(std::int32_t value) {
    return std::to_wstring(value);
}

std::wstring BooleanValueText(bool value) {
    return value ? L"1" : L"0";
}

std::wstring ColorValueText(ColorValue color) {
    return color == kAutomaticColor ? std::wstring(kAutomaticColorText) : ColorToText(color);
}

}  // namespace orvane
