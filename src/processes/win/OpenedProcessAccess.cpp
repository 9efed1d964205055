#include "processes/win/OpenedProcessAccess.h"

#include <windows.h>

#include "common/win/Handles.h"
#include "processes/win/ProcessList.h"
#include "processes/win/Psapi.h"

namespace orvane::win {

void OpenedProcessAccess::Follow(const std::vector<ProcessTableEntry>& table) {
    std::unordered_map<std::uint32_t, Answer> kept;
    kept.reserve(table.size());
    for (const ProcessTableEntry& e : table) {
        Answer& answer = kept[e.ProcessID];
        const auto known = answers_.find(e.ProcessID);
        // Without a start time (a process the slow way could not open) the ID alone could
        // be a new process's: nothing is kept for it.
        if (e.CreationTime != 0 && known != answers_.end() &&
            known->second.started == e.CreationTime) {
            answer = std::move(known->second);
            // A refusal is asked again: a process may refuse while it is still starting.
            answer.asked = answer.open;
        }
        answer.started = e.CreationTime;
    }
    answers_ = std::move(kept);
}

OpenedProcessAccess::Answer& OpenedProcessAccess::AnswerFor(std::uint32_t processId) {
    return answers_[processId];  // a process outside the table is remembered for this build
}

bool OpenedProcessAccess::CanOpen(std::uint32_t processId) {
    Answer& answer = AnswerFor(processId);
    if (answer.asked) {
        return answer.open;
    }
    answer.asked = true;
    const UniqueProcessHandle process(
        ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    const auto getInfo = Psapi().getProcessMemoryInfo;
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    if (!process || !getInfo || !getInfo(process.get(), &counters, sizeof(counters))) {
        return false;
    }
    answer.open = true;
    answer.pathRead = true;
    wchar_t path[MAX_PATH + 1] = {};
    DWORD len = MAX_PATH;
    if (::QueryFullProcessImageNameW(process.get(), 0, path, &len) && len > 0) {
        answer.path = path;
    } else {
        answer.path = ProcessImagePath(processId);  // the module functions may still answer
    }
    return true;
}

std::wstring OpenedProcessAccess::ImagePath(std::uint32_t processId) {
    Answer& answer = AnswerFor(processId);
    if (!answer.pathRead) {
        answer.path = paths_.Of(processId);
        answer.pathRead = !answer.path.empty();  // an unreadable path is asked again next time
    }
    return answer.path;
}

}  // namespace orvane::win
