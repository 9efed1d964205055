#include "history/core/LeakSuspectText.h"

#include <cstdint>

#include "history/core/Megabytes.h"

namespace orvane {

std::wstring LeakSuspectText(const LeakSuspect& suspect) {
    const std::int64_t minutes = std::int64_t{suspect.NowMinute} - suspect.SinceMinute;
    const std::uint64_t growth =
        suspect.NowBytes > suspect.StartBytes ? suspect.NowBytes - suspect.StartBytes : 0;
    return L"疑似内存泄漏: " + std::to_wstring(minutes) + L" 分钟内增长 " +
           std::to_wstring(WholeMegabytes(growth)) + L" MB";
}

}  // namespace orvane
