#pragma once

// What the fuzz targets share: a check that stops the run, and the input as UTF-16 text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace orvane::fuzz {

inline void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// Bytes taken two at a time, as the UTF-16 text the Windows functions return.
inline std::wstring WideText(const std::uint8_t* data, std::size_t size) {
    std::wstring text;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        text += static_cast<wchar_t>(data[i] | (data[i + 1] << 8));
    }
    return text;
}

}  // namespace orvane::fuzz
