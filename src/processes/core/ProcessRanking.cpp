#include "processes/core/ProcessRanking.h"

#include <algorithm>

namespace orvane {

void DropUnreadable(std::vector<ProcessRecord>& list) {
    std::erase_if(list, [](const ProcessRecord& r) { return r.MemoryUsage == 0; });
}

void MergeProcesses(std::vector<ProcessRecord>& list) {
    for (size_t i = 0; i + 1 < list.size(); ++i) {
        for (size_t j = list.size() - 1; j > i; --j) {
            ProcessRecord& first = list[i];
            const ProcessRecord& other = list[j];
            const bool byPath = !first.ExeName.empty();
            const bool same = byPath ? first.ExeName == other.ExeName : first.Name == other.Name;
            if (!same) {
                continue;
            }
            if (first.Tag == 0) {
                first.Tag = 1;
            }
            first.MemoryUsage += other.MemoryUsage;
            ++first.Tag;
            list.erase(list.begin() + static_cast<std::ptrdiff_t>(j));
        }
    }
}

void SortByMemory(std::vector<ProcessRecord>& list) {
    std::stable_sort(list.begin(), list.end(), [](const ProcessRecord& a, const ProcessRecord& b) {
        return a.MemoryUsage > b.MemoryUsage;
    });
}

std::vector<ProcessRecord> TopProcesses(std::vector<ProcessRecord> list, bool unify, int topCount) {
    DropUnreadable(list);
    if (unify) {
        MergeProcesses(list);
    }
    SortByMemory(list);
    const size_t n = topCount > 0 ? std::min(list.size(), static_cast<size_t>(topCount)) : 0;
    list.resize(n);
    return list;
}

}  // namespace orvane
