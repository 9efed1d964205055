#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "settings/core/Color.h"

namespace orvane {

// The colour dialog's sixteen custom colours, kept in the settings file as one value: sixteen
// colour texts (red, green, blue in hexadecimal) separated by commas.
inline constexpr std::size_t kCustomColorCount = 16;
using CustomColors = std::array<ColorValue, kCustomColorCount>;

inline constexpr std::wstring_view kCustomColorsSection = L"自定义颜色";
inline constexpr std::wstring_view kCustomColorsKey = L"Colors";

// An unused slot, as the colour dialog shows it.
inline constexpr ColorValue kEmptyCustomColor = RgbColor(0xFF, 0xFF, 0xFF);

CustomColors EmptyCustomColors();

std::wstring EncodeCustomColors(const CustomColors& colors);

// Reads what EncodeCustomColors wrote, tolerantly: blanks around an item and a leading "#" are
// allowed, an item that is no plain colour leaves its slot empty, missing items leave the rest
// empty and items past the sixteenth are ignored.
CustomColors DecodeCustomColors(std::wstring_view text);

}  // namespace orvane
