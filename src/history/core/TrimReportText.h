#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace orvane {

// The balloon after a trim: "已释放 X MB" (freed X MB), X the available physical memory gained,
// in whole megabytes with halves to the even neighbour. nullopt when that is 0 MB or less, so
// that a trim which freed nothing worth a megabyte shows no balloon.
std::optional<std::wstring> TrimReportText(std::uint64_t availBefore, std::uint64_t availAfter);

}  // namespace orvane
