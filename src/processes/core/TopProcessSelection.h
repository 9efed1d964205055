#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "processes/core/ProcessRecord.h"
#include "processes/core/ProcessTableEntry.h"

namespace orvane {

// What only opening a process tells: whether its memory counters can be read through an open
// (the menu lists no process that cannot), and its image path.
class ProcessAccess {
  public:
    virtual ~ProcessAccess() = default;
    virtual bool CanOpen(std::uint32_t processId) = 0;
    // Empty when it cannot be read.
    virtual std::wstring ImagePath(std::uint32_t processId) = 0;
};

struct TopProcessOptions {
    bool pageFile = false;  // private bytes instead of the working set
    bool unify = false;     // merge processes of one executable
    int topCount = 0;
    // Lists the processes that cannot be opened too, with their figures from the table.
    bool includeUnopenable = false;
};

// The tray menu's top processes from one process table: the same entries, in the same order
// and with the same figures, as TopProcesses over a list where every process was opened, but
// asking `access` only about the processes that can still reach the top: the biggest first,
// until the shown entries are settled. Processes that share a file name are looked at as a
// group (all of them, since each counts towards the merged figure); a unique name cannot merge.
// Assumes, as the system guarantees, that processes of one image path share its file name.
std::vector<ProcessRecord> SelectTopProcesses(const std::vector<ProcessTableEntry>& table,
                                              const TopProcessOptions& options,
                                              ProcessAccess& access);

// One record per process of the table (the idle entry left out), with the chosen figure.
std::vector<ProcessRecord> RecordsFromTable(const std::vector<ProcessTableEntry>& table,
                                            bool pageFile);

}  // namespace orvane
