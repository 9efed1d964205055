#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "settings/core/Color.h"

namespace orvane {

// The items of the colour picker: "Automatic", the 16 basic colours, the 25 system colours and
// "Custom...", in that order.
struct PickerColor {
    std::wstring_view Name;
    ColorValue Value;
};

inline constexpr std::wstring_view kPickerAutomaticName = L"Automatic";
inline constexpr std::wstring_view kPickerCustomName = L"Custom...";

inline constexpr std::size_t kPickerAutomaticItem = 0;
inline constexpr std::size_t kPickerBasicColorCount = 16;
inline constexpr std::size_t kPickerNamedColorCount = kPickerBasicColorCount + kSystemColorCount;
inline constexpr std::size_t kPickerCustomItem = 1 + kPickerNamedColorCount;
inline constexpr std::size_t kPickerItemCount = kPickerCustomItem + 1;

// The named colours between "Automatic" and "Custom...": item i + 1 is NamedPickerColors()[i].
std::span<const PickerColor> NamedPickerColors();

// The item that shows `color`: "Automatic" for -1, a named colour's item, else "Custom...".
std::size_t PickerItemOfColor(ColorValue color);

}  // namespace orvane
