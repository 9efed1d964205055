#pragma once

// Helpers shared by the fuzz targets.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace orvane::fuzz {

// A broken invariant ends the run, so that libFuzzer keeps the input.
inline void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// Bytes taken two at a time, as the UTF-16 text the profile functions return.
inline std::wstring WideText(const std::uint8_t* data, std::size_t size) {
    std::wstring text;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        text += static_cast<wchar_t>(data[i] | (data[i + 1] << 8));
    }
    return text;
}

}  // namespace orvane::fuzz
