#pragma once

#include <cstdint>

namespace orvane {

// A colour as the settings keep it: 0x00BBGGRR, a system colour 0xFF0000nn (nn = COLOR_ index
// 0x00..0x18), or kAutomaticColor, which only the settings, the options dialog and theme files
// hold. The colour getters resolve automatic to a concrete value.
using TColor = std::int32_t;

constexpr TColor kAutomaticColor = -1;
constexpr std::uint32_t kSystemColorFlag = 0xFF000000u;
constexpr int kSystemColorCount = 25;

constexpr TColor RgbColor(int r, int g, int b) {
    return static_cast<TColor>(static_cast<std::uint32_t>(r & 0xFF) |
                               (static_cast<std::uint32_t>(g & 0xFF) << 8) |
                               (static_cast<std::uint32_t>(b & 0xFF) << 16));
}

constexpr TColor SystemColor(int index) {
    return static_cast<TColor>(kSystemColorFlag | static_cast<std::uint32_t>(index));
}

constexpr bool IsSystemColor(TColor c) {
    const auto u = static_cast<std::uint32_t>(c);
    return u >= kSystemColorFlag && u < kSystemColorFlag + kSystemColorCount;
}

constexpr int SystemColorIndex(TColor c) {
    return static_cast<int>(static_cast<std::uint32_t>(c) & 0xFFu);
}

constexpr int RedOf(TColor c) {
    return static_cast<int>(static_cast<std::uint32_t>(c) & 0xFF);
}
constexpr int GreenOf(TColor c) {
    return static_cast<int>((static_cast<std::uint32_t>(c) >> 8) & 0xFF);
}
constexpr int BlueOf(TColor c) {
    return static_cast<int>((static_cast<std::uint32_t>(c) >> 16) & 0xFF);
}

}  // namespace orvane
