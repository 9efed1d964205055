#pragma once

#include <string_view>

namespace orvane {

// The bounds and the arrow step of one of the dialog's number boxes.
struct SpinRange {
    int Min = 0;
    int Max = 0;
    int Step = 1;
};

inline constexpr SpinRange kPercentRange{1, 100, 1};              // yellow and red thresholds
inline constexpr SpinRange kDefragEveryRange{5, 999, 1};          // minutes
inline constexpr SpinRange kRefreshRateRange{1000, 900000, 100};  // milliseconds
inline constexpr SpinRange kTopProcessRange{1, 100, 1};
inline constexpr SpinRange kHighlightAboveRange{1, 9999, 1};  // megabytes

inline constexpr int kDefaultRefreshRate = 2000;

// A value pulled into the range.
int ClampToRange(long long value, const SpinRange& range);

// What a box holds once it loses focus: its text read as a whole number and pulled into the
// range; a text that is not a number reads as the minimum.
int SpinValueFromText(std::wstring_view text, const SpinRange& range);

}  // namespace orvane
