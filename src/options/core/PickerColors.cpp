#include "options/core/PickerColors.h"

#include <array>

#include "settings/core/ColorText.h"

namespace orvane {

namespace {

constexpr std::array<PickerColor, kPickerBasicColorCount> kBasicColors = {{
    {L"Black", RgbColor(0x00, 0x00, 0x00)},
    {L"Maroon", RgbColor(0x80, 0x00, 0x00)},
    {L"Green", RgbColor(0x00, 0x80, 0x00)},
    {L"Olive", RgbColor(0x80, 0x80, 0x00)},
    {L"Navy", RgbColor(0x00, 0x00, 0x80)},
    {L"Purple", RgbColor(0x80, 0x00, 0x80)},
    {L"Teal", RgbColor(0x00, 0x80, 0x80)},
    {L"Gray", RgbColor(0x80, 0x80, 0x80)},
    {L"Silver", RgbColor(0xC0, 0xC0, 0xC0)},
    {L"Red", RgbColor(0xFF, 0x00, 0x00)},
    {L"Lime", RgbColor(0x00, 0xFF, 0x00)},
    {L"Yellow", RgbColor(0xFF, 0xFF, 0x00)},
    {L"Blue", RgbColor(0x00, 0x00, 0xFF)},
    {L"Fuchsia", RgbColor(0xFF, 0x00, 0xFF)},
    {L"Aqua", RgbColor(0x00, 0xFF, 0xFF)},
    {L"White", RgbColor(0xFF, 0xFF, 0xFF)},
}};

std::array<PickerColor, kPickerNamedColorCount> MakeNamedColors() {
    std::array<PickerColor, kPickerNamedColorCount> colors{};
    std::size_t i = 0;
    for (const auto& basic : kBasicColors) {
        colors[i++] = basic;
    }
    for (int index = 0; index < kSystemColorCount; ++index) {
        colors[i++] = {SystemColorName(SystemColor(index)), SystemColor(index)};
    }
    return colors;
}

}  // namespace

std::span<const PickerColor> NamedPickerColors() {
    static const std::array<PickerColor, kPickerNamedColorCount> colors = MakeNamedColors();
    return colors;
}

std::size_t PickerItemOfColor(ColorValue color) {
    if (color == kAutomaticColor) {
        return kPickerAutomaticItem;
    }
    const auto named = NamedPickerColors();
    for (std::size_t i = 0; i < named.size(); ++i) {
        if (named[i].Value == color) {
            return i + 1;
        }
    }
    return kPickerCustomItem;
}

}  // namespace orvane
