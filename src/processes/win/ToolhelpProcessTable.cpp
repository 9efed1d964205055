#include "processes/win/ToolhelpProcessTable.h"

#include <windows.h>

#include <tlhelp32.h>

#include "common/win/Handles.h"
#include "processes/win/Psapi.h"

namespace orvane::win {

namespace {

std::uint64_t Ticks(const FILETIME& t) {
    return (static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
}

// Start time and the same two counters the one call gives, from the process itself.
void ReadOpened(ProcessTableEntry& e) {
    const UniqueProcessHandle process(
        ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, e.ProcessID));
    if (!process) {
        return;
    }
    FILETIME created{};
    FILETIME exited{};
    FILETIME kernel{};
    FILETIME user{};
    if (::GetProcessTimes(process.get(), &created, &exited, &kernel, &user)) {
        e.CreationTime = Ticks(created);
    }
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    const auto getInfo = Psapi().getProcessMemoryInfo;
    if (getInfo && getInfo(process.get(), &counters, sizeof(counters))) {
        e.WorkingSetSize = counters.WorkingSetSize;
        e.PagefileUsage = counters.PagefileUsage;
    }
}

}  // namespace

std::vector<ProcessTableEntry> ProcessTableByToolhelp() {
    std::vector<ProcessTableEntry> table;
    const UniqueKernelHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) {
        return table;
    }
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = ::Process32FirstW(snapshot.get(), &entry); more;
         more = ::Process32NextW(snapshot.get(), &entry)) {
        ProcessTableEntry e;
        e.ProcessID = entry.th32ProcessID;
        e.ParentProcessID = entry.th32ParentProcessID;
        e.Name = entry.szExeFile;  // up to the first NUL
        e.ThreadCount = entry.cntThreads;
        e.BasePriority = entry.pcPriClassBase;
        ReadOpened(e);
        table.push_back(std::move(e));
        entry.dwSize = sizeof(entry);
    }
    return table;
}

}  // namespace orvane::win
