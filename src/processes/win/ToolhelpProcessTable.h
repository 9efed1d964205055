#pragma once

#include <vector>

#include "processes/core/ProcessTableEntry.h"

namespace orvane::win {

// The process table the slow way, for systems where the one call is missing or fails: a
// Toolhelp snapshot, then one limited-access open per process for its start time and memory
// counters (left 0 for a process that cannot be opened). Empty when there is no snapshot.
std::vector<ProcessTableEntry> ProcessTableByToolhelp();

}  // namespace orvane::win
