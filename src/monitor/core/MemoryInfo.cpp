#include "monitor/core/MemoryInfo.h"

#include "monitor/core/ByteSize.h"

namespace orvane {

std::wstring MemoryInfoText(const MemorySnapshot& snapshot, const OrvaneOptions& options,
                            const NumberSeparators& separators) {
    std::wstring text;
    if (options.HintWhatisDisplayed) {
        text = L"         显示";
        text += options.ShowFree ? L"可用" : L"已用";
        text += L" ";
        text += options.ShowPage ? L"页面文件" : L"物理内存";
        text += L" ";
        text += options.ShowPercentage ? L"%" : L"";
        text += L"\r\n";
    }
    text += L"内存使用: " + std::to_wstring(snapshot.MemoryLoad) + L"%\r\n";
    text +=
        L"物理内存: " + UsedOfTotal(snapshot.TotalPhys, snapshot.AvailPhys, separators) + L"\r\n";
    text += L"页面文件: " + UsedOfTotal(snapshot.TotalPageFile, snapshot.AvailPageFile, separators);
    return text;
}

std::uint64_t DisplayedTotal(const MemorySnapshot& snapshot, const OrvaneOptions& options) {
    return options.ShowPage ? snapshot.TotalPageFile : snapshot.TotalPhys;
}

}  // namespace orvane
