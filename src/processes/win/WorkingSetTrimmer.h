#pragma once

#include <windows.h>

#include <vector>

#include "processes/core/ProcessRecord.h"
#include "processes/win/ProcessSnapshot.h"

namespace orvane::win {

// The platform calls of a working-set trim, so that a run can be observed.
class WorkingSetTrimmer {
  public:
    virtual ~WorkingSetTrimmer() = default;
    // A handle with full access, or null.
    virtual HANDLE Open(DWORD processId) = 0;
    virtual void Trim(HANDLE process) = 0;  // EmptyWorkingSet
    virtual void Close(HANDLE process) = 0;
};

// OpenProcess / psapi's EmptyWorkingSet / CloseHandle.
class SystemWorkingSetTrimmer final : public WorkingSetTrimmer {
  public:
    HANDLE Open(DWORD processId) override;
    void Trim(HANDLE process) override;
    void Close(HANDLE process) override;
};

// Trims every entry with a known memory figure, in list order. Failures are skipped silently.
void TrimWorkingSets(const std::vector<ProcessRecord>& list, WorkingSetTrimmer& trimmer);

// The memory defragmenter: a fresh snapshot, every reachable process trimmed.
void TrimAllWorkingSets(WorkingSetTrimmer& trimmer, ProcessSnapshot& snapshot);
void TrimAllWorkingSets(WorkingSetTrimmer& trimmer);
void TrimAllWorkingSets();

}  // namespace orvane::win
