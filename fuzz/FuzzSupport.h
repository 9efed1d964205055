#pragma once

// Helpers shared by the fuzz targets.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>

#include "settings/core/SettingsStore.h"

namespace orvane::fuzz {

// A broken property ends the run as a crash, so the fuzzer keeps the input.
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

// A settings file made of the input: each key read gets the next line, or its default when the
// input has run out.
class LineReader : public SettingsReader {
  public:
    explicit LineReader(std::wstring text) : text_(std::move(text)) {}
    std::wstring ReadString(std::wstring_view, std::wstring_view,
                            std::wstring_view defaultValue) const override {
        if (pos_ >= text_.size()) {
            return std::wstring(defaultValue);
        }
        std::size_t end = text_.find(L'\n', pos_);
        if (end == std::wstring::npos) {
            end = text_.size();
        }
        std::wstring line = text_.substr(pos_, end - pos_);
        pos_ = end + 1;
        return line;
    }

  private:
    std::wstring text_;
    mutable std::size_t pos_ = 0;
};

}  // namespace orvane::fuzz
