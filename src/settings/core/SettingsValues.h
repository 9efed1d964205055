#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "settings/core/Color.h"

namespace orvane {

// The text a colour key holds for an automatic colour.
inline constexpr std::wstring_view kAutomaticColorText = L"Automatic";

// A whole number as the settings file holds it: optional sign, then decimal digits, or
// hexadecimal digits after "0x" or "$". Hexadecimal covers the full 32 bits (so "$FFFFFFFF" is
// -1); decimal must fit a signed 32-bit value. Anything else, including empty text, is nullopt.
std::optional<std::int32_t> ParseIntegerValue(std::wstring_view text);

// A Boolean is read as a whole number, non-zero meaning true.
std::optional<bool> ParseBooleanValue(std::wstring_view text);

// A colour key: empty or exactly "Automatic" is automatic; anything else is a colour text.
ColorValue ParseColorValue(std::wstring_view text);

std::wstring IntegerValueText(std::int32_t value);
std::wstring BooleanValueText(bool value);
std::wstring ColorValueText(ColorValue color);

}  // namespace orvane
