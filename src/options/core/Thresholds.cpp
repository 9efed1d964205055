#include "options/core/Thresholds.h"

#include <algorithm>

#include "options/core/IntegerText.h"

namespace orvane {

namespace {

int ToInt(long long v) {
    return static_cast<int>(std::clamp<long long>(v, -1000000000LL, 1000000000LL));
}

}  // namespace

ThresholdLimits LimitsFromThresholds(std::wstring_view yellowText, std::wstring_view redText) {
    ThresholdLimits limits;
    const std::optional<long long> red = ParseWholeNumber(redText);
    if (!red) {
        return limits;
    }
    limits.YellowMax = ToInt(*red - 1);
    if (const std::optional<long long> yellow = ParseWholeNumber(yellowText)) {
        limits.RedMin = ToInt(*yellow + 1);
    }
    return limits;
}

std::wstring HighMemoryHeading(int redPercent) {
    return L"高内存使用率 (当内存高于 " + std::to_wstring(redPercent) + L"%):";
}

}  // namespace orvane
