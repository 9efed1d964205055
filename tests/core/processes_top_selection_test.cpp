#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "processes/core/ProcessRanking.h"
#include "processes/core/TopProcessSelection.h"

namespace orvane {
namespace {

// A system whose processes may refuse to be opened and may hide their paths; it counts whom
// it was asked about.
class FakeAccess final : public ProcessAccess {
  public:
    std::set<std::uint32_t> closed;
    std::map<std::uint32_t, std::wstring> paths;
    std::set<std::uint32_t> asked;

    bool CanOpen(std::uint32_t pid) override {
        asked.insert(pid);
        return !closed.contains(pid);
    }
    std::wstring ImagePath(std::uint32_t pid) override {
        const auto it = paths.find(pid);
        return it == paths.end() || closed.contains(pid) ? L"" : it->second;
    }
};

ProcessTableEntry Entry(std::uint32_t pid, const wchar_t* name, std::uint64_t workingSet,
                        std::uint64_t pagefile = 0) {
    ProcessTableEntry e;
    e.ProcessID = pid;
    e.Name = name;
    e.WorkingSetSize = workingSet;
    e.PagefileUsage = pagefile;
    e.ThreadCount = pid % 7;
    e.ParentProcessID = pid / 2;
    e.BasePriority = 8;
    return e;
}

// What the menu showed when every process was opened for its figure and path.
std::vector<ProcessRecord> EveryProcessOpened(const std::vector<ProcessTableEntry>& table,
                                              const TopProcessOptions& o, FakeAccess& access) {
    std::vector<ProcessRecord> list = RecordsFromTable(table, o.pageFile);
    for (ProcessRecord& r : list) {
        r.ExeName = access.ImagePath(r.ProcessID);
        if (access.closed.contains(r.ProcessID) && !o.includeUnopenable) {
            r.MemoryUsage = 0;
        }
    }
    return TopProcesses(std::move(list), o.unify, o.topCount);
}

// The details dialog acts only on the process with the line's ID and start time: a record
// without the start time would reach nothing.
TEST(SelectTopProcesses, RecordsCarryTheProcessStartTime) {
    ProcessTableEntry e = Entry(10, L"a.exe", 500);
    e.CreationTime = 134414284125034600;
    FakeAccess access;
    const std::vector<ProcessRecord> top =
        SelectTopProcesses({e}, TopProcessOptions{.topCount = 10}, access);
    ASSERT_EQ(top.size(), 1u);
    EXPECT_EQ(top[0].ProcessID, 10u);
    EXPECT_EQ(top[0].CreationTime, 134414284125034600u);
}

TEST(SelectTopProcesses, SameEntriesAsOpeningEveryProcess) {
    const std::vector<ProcessTableEntry> table = {
        Entry(0, L"", 0),  // the idle process
        Entry(4, L"System", 900),
        Entry(10, L"a.exe", 500, 50),
        Entry(11, L"b.exe", 300, 700),
        Entry(12, L"a.exe", 400, 40),
        Entry(13, L"c.exe", 300, 30),
        Entry(14, L"b.exe", 200, 20),
        Entry(15, L"d.exe", 0, 0),
        Entry(16, L"a.exe", 100, 10),
        Entry(17, L"e.exe", 300, 300),
        Entry(18, L"B.EXE", 250, 25),
    };
    struct Case {
        const char* what;
        std::set<std::uint32_t> closed;
        std::map<std::uint32_t, std::wstring> paths;
    };
    const std::map<std::uint32_t, std::wstring> allPaths = {
        {10, L"C:\\a.exe"}, {12, L"C:\\a.exe"}, {16, L"D:\\a.exe"}, {11, L"C:\\b.exe"},
        {14, L"C:\\b.exe"}, {13, L"C:\\c.exe"}, {17, L"C:\\e.exe"}, {18, L"C:\\B.EXE"}};
    std::map<std::uint32_t, std::wstring> earlierPathUnknown = allPaths;
    earlierPathUnknown.erase(10);
    std::map<std::uint32_t, std::wstring> laterPathUnknown = allPaths;
    laterPathUnknown.erase(12);
    const std::vector<Case> cases = {
        {"all open", {}, allPaths},
        {"the biggest is protected", {4}, allPaths},
        {"a group member is protected", {4, 12}, allPaths},
        {"ties in snapshot order", {4, 10, 12, 16}, allPaths},
        {"earlier path unknown merges by name", {}, earlierPathUnknown},
        {"later path unknown does not merge", {}, laterPathUnknown},
        {"nothing can be opened", {4, 10, 11, 12, 13, 14, 16, 17, 18}, allPaths},
    };
    for (const Case& c : cases) {
        for (bool unify : {false, true}) {
            for (bool pageFile : {false, true}) {
                for (int top : {0, 1, 2, 3, 5, 99}) {
                    for (bool unopenable : {false, true}) {
                        const TopProcessOptions o{pageFile, unify, top, unopenable};
                        FakeAccess access;
                        access.closed = c.closed;
                        access.paths = c.paths;
                        const auto expected = EveryProcessOpened(table, o, access);
                        EXPECT_EQ(SelectTopProcesses(table, o, access), expected)
                            << c.what << " unify " << unify << " page file " << pageFile << " top "
                            << top << " unopenable too " << unopenable;
                    }
                }
            }
        }
    }
}

TEST(SelectTopProcesses, AsksOnlyAboutProcessesThatCanReachTheTop) {
    std::vector<ProcessTableEntry> table;
    for (std::uint32_t pid = 1; pid <= 500; ++pid) {
        table.push_back(Entry(pid, (L"p" + std::to_wstring(pid) + L".exe").c_str(), pid * 1000));
    }
    table.push_back(Entry(900, L"svc.exe", 1000));
    table.push_back(Entry(901, L"svc.exe", 1000));
    FakeAccess access;
    access.closed = {500, 498};
    const auto top = SelectTopProcesses(table, {false, true, 3}, access);
    ASSERT_EQ(top.size(), 3u);
    EXPECT_EQ(top[0].ProcessID, 499u);
    EXPECT_EQ(top[1].ProcessID, 497u);
    EXPECT_EQ(top[2].ProcessID, 496u);
    // The five biggest; the small group of one name cannot reach the top and is not opened.
    EXPECT_EQ(access.asked, (std::set<std::uint32_t>{496, 497, 498, 499, 500}));

    FakeAccess none;
    EXPECT_TRUE(SelectTopProcesses(table, {false, true, 0}, none).empty());
    EXPECT_TRUE(none.asked.empty());
}

TEST(SelectTopProcesses, AGroupThatMayReachTheTopIsOpenedWhole) {
    // Alone each is smaller than big.exe; together they are the biggest.
    const std::vector<ProcessTableEntry> table = {
        Entry(1, L"big.exe", 500), Entry(2, L"svc.exe", 300), Entry(3, L"svc.exe", 300),
        Entry(4, L"svc.exe", 300), Entry(5, L"small.exe", 10)};
    FakeAccess access;
    access.paths = {{2, L"C:\\svc.exe"}, {3, L"C:\\svc.exe"}, {4, L"C:\\svc.exe"}};
    const auto top = SelectTopProcesses(table, {false, true, 1}, access);
    ASSERT_EQ(top.size(), 1u);
    EXPECT_EQ(top[0].ProcessID, 2u);
    EXPECT_EQ(top[0].MemoryUsage, 900);
    EXPECT_EQ(top[0].Tag, 3);
    EXPECT_EQ(top[0].ExeName, L"C:\\svc.exe");
    // Settled at 900, the group leaves nothing the biggest single process could overtake.
    EXPECT_EQ(access.asked, (std::set<std::uint32_t>{2, 3, 4}));
}

}  // namespace
}  // namespace orvane
