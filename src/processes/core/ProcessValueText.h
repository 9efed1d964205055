#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace orvane {

// Nearest integer, halves to the even neighbour.
std::int64_t RoundHalfEven(double v);

using ByteSizeFormatter = std::function<std::wstring(std::uint64_t)>;

// The right-hand column of a process line. `valueType` 0: size; 1: size and "(P%)";
// 2: "P%"; anything else: empty. P is relative to `displayedTotal`; a total of 0 gives 0 %.
std::wstring ProcessValueText(std::int64_t memoryUsage, std::uint64_t displayedTotal, int valueType,
                              const ByteSizeFormatter& formatByteSize);

// Whether a process line is highlighted: the figure in whole megabytes (halves to even)
// reaches `highlightAboveMb`, which is off at 0 or less.
bool IsHeavyProcess(std::int64_t memoryUsage, std::int32_t highlightAboveMb);

}  // namespace orvane
