#pragma once

#include <cstdint>

namespace orvane {

// A colour as the settings keep it: 0x00BBGGRR, a system colour 0xFF0000nn (nn = COLOR_ index
// 0x00..0x18), or kAutomaticColor, which only the settings, the options dialog and theme files
// hold. The colour getters resolve automatic to a concrete value.
using ColorValue = std::int32_t;

constexpr ColorValue kAutomaticColor = -1;
constexpr std::uint32_t kSystemColorFlag = 0xFF000000u;
constexpr int kSystemColorCount = 25;

constexpr ColorValue RgbColor(int r, int g, int b) {
    return static_cast<ColorValue>(static_cast<std::uint32_t>(r & 0xFF) |
                                   (static_cast<std::uint32_t>(g & 0xFF) << 8) |
                                   (static_cast<std::uint32_t>(b & 0xFF) << 16));
}

constexpr ColorValue SystemColor(int index) {
    return static_cast<ColorValue>(kSystemColorFlag | static_cast<std::uint32_t>(index));
}

constexpr bool IsSystemColor(ColorValue c) {
    const auto u = static_cast<std::uint32_t>(c);
    return u >= kSystemColorFlag && u < kSystemColorFlag + kSystemColorCount;
}

constexpr int SystemColorIndex(ColorValue c) {
    return static_cast<int>(static_cast<std::uint32_t>(c) & 0xFFu);
}

constexpr int RedOf(ColorValue c) {
    return static_cast<int>(static_cast<std::uint32_t>(c) & 0xFF);
}
constexpr int GreenOf(ColorValue c) {
    return static_cast<int>((static_cast<std::uint32_t>(c) >> 8) & 0xFF);
}
constexpr int BlueOf(ColorValue c) {
    return static_cast<int>((static_cast<std::uint32_t>(c) >> 16) & 0xFF);
}

}  // namespace orvane
