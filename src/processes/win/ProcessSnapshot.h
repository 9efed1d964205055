#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "processes/core/ProcessTableEntry.h"
#include "processes/win/SystemInformationQuery.h"

namespace orvane::win {

// The running processes with their IDs, parents, names, start times and memory counters, read
// in one system call (NtQuerySystemInformation) without opening any process. Where that call is
// missing, fails or answers with bytes that cannot be read, the snapshot is taken with Toolhelp
// and one open per process instead. The answer's buffer is kept for the next snapshot.
class ProcessSnapshot {
  public:
    ProcessSnapshot();
    explicit ProcessSnapshot(SystemInformationQuery& query);

    // Every process of the system's table, in the order the system reports them.
    std::vector<ProcessTableEntry> Take();

    // Whether the last Take was answered by the one call.
    bool TookOneCall() const { return oneCall_; }

  private:
    std::optional<std::vector<ProcessTableEntry>> TakeInOneCall();

    SystemInformationQuery& query_;
    std::vector<std::uint64_t> buffer_;  // 8-byte aligned, as the records inside need
    bool oneCall_ = false;
};

}  // namespace orvane::win
