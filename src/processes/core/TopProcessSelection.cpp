#include "processes/core/TopProcessSelection.h"

#include <algorithm>
#include <map>

#include "processes/core/ProcessRanking.h"

namespace orvane {

namespace {

// The processes that stand or fall together: one, or all of one file name when merging.
struct Candidates {
    std::vector<std::size_t> members;  // positions in the table's order
    std::int64_t most = 0;             // the largest figure they can add up to
};

// A settled entry and where its earliest process stands in the table, which breaks ties.
struct Settled {
    ProcessRecord record;
    std::size_t position = 0;
};

bool ShowsBefore(const Settled& a, const Settled& b) {
    if (a.record.MemoryUsage != b.record.MemoryUsage) {
        return a.record.MemoryUsage > b.record.MemoryUsage;
    }
    return a.position < b.position;
}

std::vector<Candidates> GroupCandidates(const std::vector<ProcessRecord>& records, bool unify) {
    std::vector<Candidates> groups;
    std::map<std::wstring, std::size_t> byName;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (records[i].MemoryUsage == 0) {
            continue;  // dropped whether it can be opened or not
        }
        std::size_t at = groups.size();
        if (unify) {
            const auto [it, added] = byName.try_emplace(records[i].Name, groups.size());
            at = it->second;
            if (!added) {
                groups[at].members.push_back(i);
                groups[at].most += records[i].MemoryUsage;
                continue;
            }
        }
        groups.push_back({{i}, records[i].MemoryUsage});
    }
    std::stable_sort(groups.begin(), groups.end(),
                     [](const Candidates& a, const Candidates& b) { return a.most > b.most; });
    return groups;
}

// The entries one group leaves after the unreadable are dropped and the rest merged.
void SettleGroup(const Candidates& group, const std::vector<ProcessRecord>& records,
                 bool includeUnopenable, ProcessAccess& access, std::vector<Settled>& settled) {
    std::vector<ProcessRecord> kept;
    std::map<std::uint32_t, std::size_t> positionOf;
    for (std::size_t i : group.members) {
        if (includeUnopenable || access.CanOpen(records[i].ProcessID)) {
            kept.push_back(records[i]);
            positionOf[records[i].ProcessID] = i;
        }
    }
    if (kept.size() > 1) {
        for (ProcessRecord& r : kept) {
            r.ExeName = access.ImagePath(r.ProcessID);
        }
        MergeProcesses(kept);
    }
    for (ProcessRecord& r : kept) {
        const std::size_t position = positionOf[r.ProcessID];
        settled.push_back({std::move(r), position});
    }
}

// The figure an entry needs to be shown, once `count` entries are settled; -1 before that.
std::int64_t LowestShown(std::vector<Settled>& settled, std::size_t count) {
    if (settled.size() < count) {
        return -1;
    }
    std::nth_element(settled.begin(), settled.begin() + static_cast<std::ptrdiff_t>(count - 1),
                     settled.end(), ShowsBefore);
    return settled[count - 1].record.MemoryUsage;
}

}  // namespace

std::vector<ProcessRecord> RecordsFromTable(const std::vector<ProcessTableEntry>& table,
                                            bool pageFile) {
    std::vector<ProcessRecord> records;
    records.reserve(table.size());
    for (const ProcessTableEntry& e : table) {
        if (e.ProcessID == 0) {
            continue;  // the idle process
        }
        ProcessRecord r;
        r.Name = e.Name;
        r.MemoryUsage = static_cast<std::int64_t>(pageFile ? e.PagefileUsage : e.WorkingSetSize);
        r.ProcessID = e.ProcessID;
        r.ThreadCount = e.ThreadCount;
        r.ParentProcessID = e.ParentProcessID;
        r.PriClassBase = e.BasePriority;
        r.CreationTime = e.CreationTime;  // with the ID, what names this process
        records.push_back(std::move(r));
    }
    return records;
}

std::vector<ProcessRecord> SelectTopProcesses(const std::vector<ProcessTableEntry>& table,
                                              const TopProcessOptions& options,
                                              ProcessAccess& access) {
    if (options.topCount <= 0) {
        return {};
    }
    const auto count = static_cast<std::size_t>(options.topCount);
    const std::vector<ProcessRecord> records = RecordsFromTable(table, options.pageFile);
    std::vector<Settled> settled;
    for (const Candidates& group : GroupCandidates(records, options.unify)) {
        // Equal figures still count: an earlier process would stand before the last shown one.
        if (group.most < LowestShown(settled, count)) {
            break;
        }
        SettleGroup(group, records, options.includeUnopenable, access, settled);
    }
    std::sort(settled.begin(), settled.end(), ShowsBefore);
    settled.resize(std::min(settled.size(), count));
    std::vector<ProcessRecord> top;
    for (Settled& s : settled) {
        if (s.record.ExeName.empty()) {
            s.record.ExeName = access.ImagePath(s.record.ProcessID);
        }
        top.push_back(std::move(s.record));
    }
    return top;
}

}  // namespace orvane
