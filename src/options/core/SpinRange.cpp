#include "options/core/SpinRange.h"

#include <algorithm>
#include <optional>

#include "options/core/IntegerText.h"

namespace orvane {

int ClampToRange(long long value, const SpinRange& range) {
    return static_cast<int>(std::clamp<long long>(value, range.Min, range.Max));
}

int SpinValueFromText(std::wstring_view text, const SpinRange& range) {
    const std::optional<long long> value = ParseWholeNumber(text);
    return value ? ClampToRange(*value, range) : range.Min;
}

}  // namespace orvane
