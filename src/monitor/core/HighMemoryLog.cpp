#include "monitor/core/HighMemoryLog.h"

#include <cstdint>

#include "monitor/core/ByteSize.h"

namespace orvane {

std::wstring HighMemoryLogLine(const std::wstring& date, const std::wstring& time,
                               const MemorySnapshot& snapshot, const NumberSeparators& separators) {
    return date + L" " + time + L": " + L"内存使用: " + std::to_wstring(snapshot.MemoryLoad) +
           L"% | " + L"物理内存: " +
           UsedOfTotal(snapshot.TotalPhys, snapshot.AvailPhys, separators) + L" | " +
           L"页面文件: " + UsedOfTotal(snapshot.TotalPageFile, snapshot.AvailPageFile, separators);
}

MessageBoxBuilder NoHighMemoryLogBox(int redPercent, const std::wstring& logFile) {
    return NewMsgBox(L"尚未记录到高内存值")
        .Text(L"仅当内存超过 " + std::to_wstring(static_cast<long long>(redPercent) - 1) +
              L"% 的内存负载")
        .Info()
        .Footer(L"日志文件将保存在 \"" + logFile + L"\"", kIconInformation);
}

std::wstring InOutErrorMessage(unsigned long code) {
    switch (code) {
        case 2:  // ERROR_FILE_NOT_FOUND
            return L"File not found";
        case 3:    // ERROR_PATH_NOT_FOUND
        case 123:  // ERROR_INVALID_NAME
        case 206:  // ERROR_FILENAME_EXCED_RANGE
            return L"Invalid filename";
        case 4:  // ERROR_TOO_MANY_OPEN_FILES
            return L"Too many open files";
        case 5:  // ERROR_ACCESS_DENIED
            return L"File access denied";
        case 39:   // ERROR_HANDLE_DISK_FULL
        case 112:  // ERROR_DISK_FULL
            return L"Disk full";
        default:
            return L"I/O error " + std::to_wstring(code);
    }
}

}  // namespace orvane
