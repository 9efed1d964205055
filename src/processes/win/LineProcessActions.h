#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "processes/core/MenuLine.h"
#include "processes/core/ProcessRecord.h"

namespace orvane::win {

// The system calls of acting on a menu line's processes, so that a run can be observed.
class LineProcessSystem {
  public:
    virtual ~LineProcessSystem() = default;
    virtual std::vector<ProcessRecord> Snapshot(bool showPage) = 0;
    virtual HANDLE Open(DWORD processId) = 0;                // full access, or null
    virtual std::uint64_t CreationTime(HANDLE process) = 0;  // 0 when unreadable
    virtual void Trim(HANDLE process) = 0;                   // EmptyWorkingSet
    virtual void Terminate(HANDLE process) = 0;              // TerminateProcess
    virtual void Close(HANDLE process) = 0;
};

// ProcessList, OpenProcess, GetProcessTimes, psapi's EmptyWorkingSet, TerminateProcess.
class SystemLineProcesses final : public LineProcessSystem {
  public:
    std::vector<ProcessRecord> Snapshot(bool showPage) override;
    HANDLE Open(DWORD processId) override;
    std::uint64_t CreationTime(HANDLE process) override;
    void Trim(HANDLE process) override;
    void Terminate(HANDLE process) override;
    void Close(HANDLE process) override;
};

// "Free memory" and "terminate" on the line's processes as they run now. A process is the
// line's only when the handle opened under its ID shows the start time the snapshot recorded:
// whatever has taken the ID over since is left alone.
void FreeLineMemory(const MenuLine& line, bool showPage, LineProcessSystem& system);
void TerminateLineProcesses(const MenuLine& line, bool showPage, LineProcessSystem& system);
void FreeLineMemory(const MenuLine& line, bool showPage);
void TerminateLineProcesses(const MenuLine& line, bool showPage);

}  // namespace orvane::win
