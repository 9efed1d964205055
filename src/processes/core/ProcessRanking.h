#pragma once

#include <vector>

#include "processes/core/ProcessRecord.h"

namespace orvane {

// Removes the entries whose memory figure is 0 (processes that could not be read).
void DropUnreadable(std::vector<ProcessRecord>& list);

// Folds later entries into the earliest one of the same executable path (or of the same file
// name when the earlier entry's path is empty). Keys compare case-sensitively. A merged entry
// holds the group's total memory and the group's size in `Tag`.
void MergeProcesses(std::vector<ProcessRecord>& list);

// Largest memory figure first.
void SortByMemory(std::vector<ProcessRecord>& list);

// The entries the tray menu shows, in order: unreadable ones dropped, merged when asked,
// sorted, at most `topCount` of them.
std::vector<ProcessRecord> TopProcesses(std::vector<ProcessRecord> list, bool unify, int topCount);

}  // namespace orvane
