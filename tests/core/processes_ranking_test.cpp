#include <gtest/gtest.h>

#include "processes/core/ProcessRanking.h"
#include "processes/core/ProcessValueText.h"

namespace orvane {
namespace {

ProcessRecord Proc(std::uint32_t pid, std::wstring name, std::wstring path, std::int64_t mem) {
    ProcessRecord r;
    r.ProcessID = pid;
    r.Name = std::move(name);
    r.ExeName = std::move(path);
    r.MemoryUsage = mem;
    return r;
}

TEST(TopProcesses, MergesSameExecutableIntoEarliestWithSumAndCount) {
    std::vector<ProcessRecord> list = {
        Proc(10, L"a.exe", L"C:\\a.exe", 100),
        Proc(11, L"b.exe", L"C:\\b.exe", 250),
        Proc(12, L"a.exe", L"C:\\a.exe", 100),
        Proc(13, L"a.exe", L"C:\\a.exe", 100),
        Proc(14, L"z.exe", L"", 0),  // unreadable: dropped before merging
    };
    const auto top = TopProcesses(list, true, 10);
    ASSERT_EQ(top.size(), 2u);
    EXPECT_EQ(top[0].ProcessID, 10u);
    EXPECT_EQ(top[0].MemoryUsage, 300);
    EXPECT_EQ(top[0].Tag, 3);
    EXPECT_EQ(top[1].ProcessID, 11u);
    EXPECT_EQ(top[1].Tag, 0);
}

TEST(MergeProcesses, KeyRules) {
    struct Case {
        const char* what;
        ProcessRecord first, second;
        bool merges;
    } cases[] = {
        {"earlier path empty: merge by name", Proc(1, L"x.exe", L"", 5),
         Proc(2, L"x.exe", L"C:\\x.exe", 5), true},
        {"earlier path known, later empty: no merge", Proc(1, L"x.exe", L"C:\\x.exe", 5),
         Proc(2, L"x.exe", L"", 5), false},
        {"paths differ only in case: no merge", Proc(1, L"x.exe", L"C:\\X.exe", 5),
         Proc(2, L"x.exe", L"C:\\x.exe", 5), false},
        {"names differ only in case, no paths: no merge", Proc(1, L"X.exe", L"", 5),
         Proc(2, L"x.exe", L"", 5), false},
    };
    for (const auto& c : cases) {
        std::vector<ProcessRecord> list = {c.first, c.second};
        MergeProcesses(list);
        EXPECT_EQ(list.size(), c.merges ? 1u : 2u) << c.what;
        if (c.merges) {
            EXPECT_EQ(list[0].Tag, 2) << c.what;
            EXPECT_EQ(list[0].MemoryUsage, 10) << c.what;
        }
    }
}

TEST(TopProcesses, SortsLargestFirstAndCuts) {
    std::vector<ProcessRecord> list = {Proc(1, L"a", L"", 5), Proc(2, L"b", L"", 50),
                                       Proc(3, L"c", L"", 20)};
    const auto two = TopProcesses(list, false, 2);
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[0].ProcessID, 2u);
    EXPECT_EQ(two[1].ProcessID, 3u);
    EXPECT_EQ(TopProcesses(list, false, 99).size(), 3u);
    EXPECT_TRUE(TopProcesses(list, false, 0).empty());
    EXPECT_TRUE(TopProcesses(list, false, -1).empty());
}

TEST(ProcessValueText, TypesAndRounding) {
    const ByteSizeFormatter fmt = [](std::uint64_t b) { return std::to_wstring(b) + L" B"; };
    struct Case {
        std::int64_t usage;
        std::uint64_t total;
        int type;
        const wchar_t* expected;
    } cases[] = {
        {125, 1000, 2, L"12%"},  // 12.5 → even neighbour
        {135, 1000, 2, L"14%"},  // 13.5 → even neighbour
        {125, 1000, 1, L"125 B (12%)"},
        {125, 1000, 0, L"125 B"},
        {125, 1000, 3, L""},
        {125, 1000, -1, L""},
        {0, 1000, 2, L"n/a"},
        {-5, 1000, 0, L"n/a"},
        {125, 0, 2, L"0%"},  // no total known
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ProcessValueText(c.usage, c.total, c.type, fmt), c.expected)
            << c.usage << "/" << c.total << " type " << c.type;
    }
}

TEST(IsHeavyProcess, ThresholdInRoundedMegabytes) {
    constexpr std::int64_t MB = 1048576;
    EXPECT_TRUE(IsHeavyProcess(499 * MB + MB / 2, 500));   // 499.5 → 500
    EXPECT_TRUE(IsHeavyProcess(500 * MB + MB / 2, 500));   // 500.5 → 500
    EXPECT_FALSE(IsHeavyProcess(498 * MB + MB / 2, 500));  // 498.5 → 498
    EXPECT_FALSE(IsHeavyProcess(10000 * MB, 0));
    EXPECT_FALSE(IsHeavyProcess(0, 1));
}

}  // namespace
}  // namespace orvane
