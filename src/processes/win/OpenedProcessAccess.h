#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "processes/core/ProcessTableEntry.h"
#include "processes/core/TopProcessSelection.h"
#include "processes/win/ProcessImagePaths.h"

namespace orvane::win {

// Opens a process for limited queries, as the per-process scan did, to see whether its memory
// counters can be read, and takes its image path through the same handle. Both stay true for
// the life of a process, so a yes and the path are kept, by process ID and start time, for as
// long as the process is in the table: a menu opened again opens only the processes new since.
class OpenedProcessAccess final : public ProcessAccess {
  public:
    explicit OpenedProcessAccess(ProcessImagePaths& paths) : paths_(paths) {}

    // The table the next questions are about; forgets the processes that are gone from it.
    void Follow(const std::vector<ProcessTableEntry>& table);

    bool CanOpen(std::uint32_t processId) override;
    // A process not opened is asked by ID, which opens nothing where the system allows it.
    std::wstring ImagePath(std::uint32_t processId) override;

  private:
    struct Answer {
        std::uint64_t started = 0;  // the start time the answer belongs to
        bool asked = false;
        bool open = false;
        bool pathRead = false;
        std::wstring path;
    };

    Answer& AnswerFor(std::uint32_t processId);

    ProcessImagePaths& paths_;
    std::unordered_map<std::uint32_t, Answer> answers_;
};

}  // namespace orvane::win
