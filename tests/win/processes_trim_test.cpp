#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "processes/win/WorkingSetTrimmer.h"

namespace orvane::win {
namespace {

// Records the calls instead of making them; refuses the processes in `refuse`.
class RecordingTrimmer final : public WorkingSetTrimmer {
  public:
    std::vector<DWORD> refuse;
    std::vector<std::string> calls;
    std::vector<DWORD> opened;

    HANDLE Open(DWORD pid) override {
        calls.push_back("open " + std::to_string(pid));
        for (DWORD r : refuse) {
            if (r == pid) {
                return nullptr;
            }
        }
        opened.push_back(pid);
        return reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(pid) + 0x10000);
    }
    void Trim(HANDLE h) override { calls.push_back("trim " + Pid(h)); }
    void Close(HANDLE h) override { calls.push_back("close " + Pid(h)); }

  private:
    static std::string Pid(HANDLE h) {
        return std::to_string(reinterpret_cast<ULONG_PTR>(h) - 0x10000);
    }
};

ProcessRecord Proc(std::uint32_t pid, std::int64_t mem) {
    ProcessRecord r;
    r.ProcessID = pid;
    r.MemoryUsage = mem;
    return r;
}

TEST(TrimWorkingSets, EveryReadableProcessOpenedTrimmedClosedInOrder) {
    RecordingTrimmer t;
    t.refuse = {7};
    TrimWorkingSets({Proc(5, 100), Proc(6, 0), Proc(7, 100), Proc(8, 1)}, t);
    const std::vector<std::string> expected = {"open 5", "trim 5", "close 5", "open 7",
                                               "open 8", "trim 8", "close 8"};
    EXPECT_EQ(t.calls, expected);
}

TEST(TrimAllWorkingSets, OneRunCoversTheSnapshotIncludingItself) {
    RecordingTrimmer t;
    TrimAllWorkingSets(t);
    EXPECT_GT(t.opened.size(), 3u);
    EXPECT_EQ(t.calls.size(), 3 * t.opened.size());
    bool self = false;
    for (DWORD pid : t.opened) {
        self = self || pid == ::GetCurrentProcessId();
        EXPECT_NE(pid, 0u);
    }
    EXPECT_TRUE(self);
}

// The system's calls, recorded on their way through: the real open reaches real processes.
class PassingTrimmer final : public WorkingSetTrimmer {
  public:
    std::vector<DWORD> opened;
    std::vector<HANDLE> trimmed;
    std::vector<HANDLE> closed;
    std::vector<std::pair<HANDLE, DWORD>> handles;

    HANDLE Open(DWORD pid) override {
        HANDLE h = system_.Open(pid);
        if (h) {
            opened.push_back(pid);
            handles.emplace_back(h, ::GetProcessId(h));
        }
        return h;
    }
    void Trim(HANDLE h) override {
        trimmed.push_back(h);
        system_.Trim(h);
    }
    void Close(HANDLE h) override {
        closed.push_back(h);
        system_.Close(h);
    }

  private:
    SystemWorkingSetTrimmer system_;
};

TEST(TrimAllWorkingSets, RealTrimReachesThisProcessAndClosesEveryHandle) {
    PassingTrimmer t;
    TrimAllWorkingSets(t);
    EXPECT_NE(std::find(t.opened.begin(), t.opened.end(), ::GetCurrentProcessId()), t.opened.end());
    // Each handle is the process it was opened for, trimmed once and closed once.
    for (const auto& [h, pid] : t.handles) {
        EXPECT_NE(pid, 0u);
    }
    std::vector<HANDLE> handles;
    for (const auto& entry : t.handles) {
        handles.push_back(entry.first);
    }
    EXPECT_EQ(t.trimmed, handles);
    EXPECT_EQ(t.closed, handles);
    for (std::size_t i = 0; i < t.handles.size(); ++i) {
        EXPECT_EQ(t.handles[i].second, t.opened[i]);
    }
}

}  // namespace
}  // namespace orvane::win
