#include "history/core/TrimReportText.h"

#include "history/core/Megabytes.h"

namespace orvane {

std::optional<std::wstring> TrimReportText(std::uint64_t availBefore, std::uint64_t availAfter) {
    if (availAfter <= availBefore) {
        return std::nullopt;
    }
    const std::uint64_t freed = WholeMegabytes(availAfter - availBefore);
    if (freed == 0) {
        return std::nullopt;
    }
    return L"已释放 " + std::to_wstring(freed) + L" MB";
}

}  // namespace orvane
