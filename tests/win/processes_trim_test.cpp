#include <gtest/gtest.h>

#include <windows.h>

#include <string>
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

TEST(TrimAllWorkingSets, RealTrimRuns) {
    TrimAllWorkingSets();
}

}  // namespace
}  // namespace orvane::win
