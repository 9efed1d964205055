#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// The limits the two threshold boxes put on each other: yellow stays below red, red above
// yellow. A limit is missing when the box it comes from does not hold a whole number.
struct ThresholdLimits {
    std::optional<int> YellowMax;
    std::optional<int> RedMin;
};

// Red's text is read first; when it is not a number neither limit is set.
ThresholdLimits LimitsFromThresholds(std::wstring_view yellowText, std::wstring_view redText);

// The heading of the high-memory actions for the red threshold.
std::wstring HighMemoryHeading(int redPercent);

}  // namespace orvane
