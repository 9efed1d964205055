#include "processes/win/WorkingSetTrimmer.h"

#include "processes/core/TopProcessSelection.h"
#include "processes/win/ProcessSnapshot.h"
#include "processes/win/Psapi.h"

namespace orvane::win {

HANDLE SystemWorkingSetTrimmer::Open(DWORD processId) {
    return ::OpenProcess(PROCESS_ALL_ACCESS, FALSE, processId);
}

void SystemWorkingSetTrimmer::Trim(HANDLE process) {
    if (const auto empty = Psapi().emptyWorkingSet) {
        empty(process);  // the result does not matter: nothing to do about a refusal
    }
}

void SystemWorkingSetTrimmer::Close(HANDLE process) {
    ::CloseHandle(process);
}

void TrimWorkingSets(const std::vector<ProcessRecord>& list, WorkingSetTrimmer& trimmer) {
    for (const ProcessRecord& rec : list) {
        if (rec.MemoryUsage == 0) {
            continue;  // could not be opened for its counters
        }
        HANDLE process = trimmer.Open(rec.ProcessID);
        if (!process) {
            continue;
        }
        trimmer.Trim(process);
        trimmer.Close(process);
    }
}

void TrimAllWorkingSets(WorkingSetTrimmer& trimmer, ProcessSnapshot& snapshot) {
    // A process that cannot be opened for its counters refuses the full-access open as well,
    // so the table's figures choose the same processes without an open to read them.
    TrimWorkingSets(RecordsFromTable(snapshot.Take(), false), trimmer);
}

void TrimAllWorkingSets(WorkingSetTrimmer& trimmer) {
    ProcessSnapshot snapshot;
    TrimAllWorkingSets(trimmer, snapshot);
}

void TrimAllWorkingSets() {
    SystemWorkingSetTrimmer trimmer;
    TrimAllWorkingSets(trimmer);
}

}  // namespace orvane::win
