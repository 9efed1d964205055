#include <gtest/gtest.h>

#include "common/core/AppError.h"
#include "processes/core/ProcessRecords.h"

namespace orvane {
namespace {

ProcessRecords Sample() {
    ProcessRecords list;
    for (auto [pid, name] : {std::pair{0u, L"[System Process]"}, std::pair{4u, L"explorer.exe"},
                             std::pair{8u, L"Explorer.exe"}, std::pair{9u, L"é.exe"}}) {
        ProcessRecord r;
        r.ProcessID = pid;
        r.Name = name;
        list.Append(r);
    }
    return list;
}

TEST(ProcessRecords, DropsOnlyTheIdleEntry) {
    ProcessRecords list = Sample();
    list.DropIdleEntry();
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.GetProcessRec(0).ProcessID, 4u);
    list.DropIdleEntry();  // no idle entry (as under Wine): nothing goes
    EXPECT_EQ(list.Count(), 3);
}

TEST(ProcessRecords, LookUps) {
    ProcessRecords list = Sample();
    int at = -7;
    EXPECT_TRUE(list.Exists(L"EXPLORER.EXE", at));
    EXPECT_EQ(at, 1);
    EXPECT_FALSE(list.Exists(L"É.EXE"));  // only A to Z fold
    EXPECT_TRUE(list.Exists(L"é.EXE"));
    at = -7;
    EXPECT_FALSE(list.Exists(77u, at));
    EXPECT_EQ(at, -7);
    EXPECT_TRUE(list.Exists(8u, at));
    EXPECT_EQ(at, 2);
}

TEST(ProcessRecords, IndexErrors) {
    ProcessRecords list = Sample();
    try {
        list.GetProcessRec(list.Count());
        FAIL() << "no error";
    } catch (const AppError& e) {
        EXPECT_EQ(e.Message(), L"Index out of bounds");
    }
    EXPECT_THROW(list.GetProcessRec(-1), AppError);
    EXPECT_THROW(list.Delete(4), std::out_of_range);
    EXPECT_THROW(list.SetProcessRec(-1, {}), std::out_of_range);
    list.Delete(1);
    EXPECT_EQ(list.GetProcessRec(1).ProcessID, 8u);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST(ProcessInfoText, LayoutAndSignedFields) {
    ProcessRecord r;
    r.Name = L"a.exe";
    r.MemoryUsage = 5000000000;
    r.ProcessID = 0xFFFFFFFF;
    r.PriClassBase = 8;
    const std::wstring s = ProcessInfoText(r, L"1899/12/30 0:00:00");
    EXPECT_EQ(s.substr(0, 16), L"\r\nName = a.exe\r\n");
    EXPECT_NE(s.find(L"\r\nMemory usage = 5000000000 bytes\r\n"), std::wstring::npos);
    EXPECT_NE(s.find(L"\r\nProcess ID = -1\r\n"), std::wstring::npos);
    EXPECT_NE(s.find(L"\r\nStarted = 1899/12/30 0:00:00\r\n"), std::wstring::npos);
    EXPECT_TRUE(s.ends_with(L"\r\nPriority base class = 8\r\n"));
}

}  // namespace
}  // namespace orvane
