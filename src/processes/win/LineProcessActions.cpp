#include "processes/win/LineProcessActions.h"

#include "processes/core/ProcessDetails.h"
#include "processes/win/ProcessCreationTime.h"
#include "processes/win/ProcessList.h"
#include "processes/win/Psapi.h"

namespace orvane::win {

namespace {

enum class LineAction { Trim, Terminate };

void ActOnLine(const MenuLine& line, bool showPage, LineProcessSystem& system, LineAction action) {
    // A single line needs no snapshot: its process is known by ID and start time.
    const std::vector<ProcessRecord> snapshot =
        line.bMultipleProcess ? system.Snapshot(showPage) : std::vector<ProcessRecord>{};
    for (const DetailsTarget& target : DetailsTargets(line, snapshot)) {
        HANDLE process = system.Open(target.ProcessID);
        if (!process) {
            continue;
        }
        // The open handle keeps the ID from passing on: what it shows now holds until we act.
        if (system.CreationTime(process) == target.CreationTime) {
            if (action == LineAction::Trim) {
                system.Trim(process);
            } else {
                system.Terminate(process);
            }
        }
        system.Close(process);
    }
}

}  // namespace

std::vector<ProcessRecord> SystemLineProcesses::Snapshot(bool showPage) {
    ProcessList list;
    list.Refresh(showPage, ProcessList::Accounts::Skip);
    return list.Entries();
}

HANDLE SystemLineProcesses::Open(DWORD processId) {
    return ::OpenProcess(PROCESS_ALL_ACCESS, FALSE, processId);
}

std::uint64_t SystemLineProcesses::CreationTime(HANDLE process) {
    return ProcessCreationTime(process);
}

void SystemLineProcesses::Trim(HANDLE process) {
    if (const auto empty = Psapi().emptyWorkingSet) {
        empty(process);  // nothing to do about a refusal
    }
}

void SystemLineProcesses::Terminate(HANDLE process) {
    ::TerminateProcess(process, 0);
}

void SystemLineProcesses::Close(HANDLE process) {
    ::CloseHandle(process);
}

void FreeLineMemory(const MenuLine& line, bool showPage, LineProcessSystem& system) {
    ActOnLine(line, showPage, system, LineAction::Trim);
}

void TerminateLineProcesses(const MenuLine& line, bool showPage, LineProcessSystem& system) {
    ActOnLine(line, showPage, system, LineAction::Terminate);
}

void FreeLineMemory(const MenuLine& line, bool showPage) {
    SystemLineProcesses system;
    FreeLineMemory(line, showPage, system);
}

void TerminateLineProcesses(const MenuLine& line, bool showPage) {
    SystemLineProcesses system;
    TerminateLineProcesses(line, showPage, system);
}

}  // namespace orvane::win
