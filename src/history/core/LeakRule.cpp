#include "history/core/LeakRule.h"

#include <algorithm>

namespace orvane {

namespace {

std::optional<std::size_t> LeakWindowStart(const PrivateBytesSeries& series, const LeakRule& rule) {
    const std::size_t count = std::min(series.Minutes.size(), series.Kilobytes.size());
    if (count < 2 || rule.Minutes < 1) {
        return std::nullopt;
    }
    const std::int64_t last = series.Minutes[count - 1];
    for (std::size_t i = count - 1; i-- > 0;) {
        if (last - series.Minutes[i] >= rule.Minutes) {
            return i;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::size_t> LeakStart(const PrivateBytesSeries& series, const LeakRule& rule) {
    const auto start = LeakWindowStart(series, rule);
    if (!start) {
        return std::nullopt;
    }
    const std::size_t last = std::min(series.Minutes.size(), series.Kilobytes.size()) - 1;
    std::int64_t grewMinutes = 0;
    for (std::size_t i = *start + 1; i <= last; ++i) {
        if (series.Kilobytes[i] > series.Kilobytes[i - 1]) {
            grewMinutes += std::int64_t{series.Minutes[i]} - series.Minutes[i - 1];
        }
    }
    const std::int64_t spanMinutes = std::int64_t{series.Minutes[last]} - series.Minutes[*start];
    const std::int64_t from = series.Kilobytes[*start];
    const std::int64_t growth = std::int64_t{series.Kilobytes[last]} - from;
    const bool leaks = grewMinutes * 5 >= spanMinutes * 4 &&
                       growth >= std::int64_t{rule.GrowthMB} * 1024 &&
                       growth * 100 >= std::int64_t{rule.GrowthPercent} * from;
    return leaks ? start : std::nullopt;
}

}  // namespace orvane
