#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace orvane {

// A process name held in a fixed 64 bytes, so that what the leak watch keeps per process and per
// minute has a known size: up to 32 UTF-16 units; a longer name is cut at a character boundary.
class ShortName {
  public:
    static constexpr std::size_t kMaxUnits = 32;

    ShortName() = default;
    explicit ShortName(std::wstring_view name);

    std::wstring Text() const;
    bool empty() const { return units_[0] == 0; }

    bool operator==(const ShortName&) const = default;

  private:
    std::array<char16_t, kMaxUnits> units_{};
};

}  // namespace orvane
