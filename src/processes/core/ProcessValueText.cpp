#include "processes/core/ProcessValueText.h"

#include <cmath>

namespace orvane {

std::int64_t RoundHalfEven(double v) {
    return static_cast<std::int64_t>(std::nearbyint(v));
}

namespace {

std::int64_t Percent(std::int64_t usage, std::uint64_t total) {
    if (total == 0) {
        return 0;
    }
    return RoundHalfEven(static_cast<double>(usage) / static_cast<double>(total) * 100.0);
}

}  // namespace

std::wstring ProcessValueText(std::int64_t memoryUsage, std::uint64_t displayedTotal, int valueType,
                              const ByteSizeFormatter& formatByteSize) {
    if (memoryUsage <= 0) {
        return L"n/a";
    }
    const auto bytes = static_cast<std::uint64_t>(memoryUsage);
    switch (valueType) {
        case 0:
            return formatByteSize(bytes);
        case 1:
            return formatByteSize(bytes) + L" (" +
                   std::to_wstring(Percent(memoryUsage, displayedTotal)) + L"%)";
        case 2:
            return std::to_wstring(Percent(memoryUsage, displayedTotal)) + L"%";
        default:
            return L"";
    }
}

bool IsHeavyProcess(std::int64_t memoryUsage, std::int32_t highlightAboveMb) {
    return highlightAboveMb > 0 && memoryUsage > 0 &&
           RoundHalfEven(static_cast<double>(memoryUsage) / 1048576.0) >= highlightAboveMb;
}

}  // namespace orvane
