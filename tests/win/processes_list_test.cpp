#include <gtest/gtest.h>

#include <windows.h>

#include "processes_fixtures.h"

#include <string>
#include <vector>

#include "processes/win/ProcessList.h"

namespace orvane::win {
namespace {

TEST(ProcessList, FindsAChildByIdAndNameWithPathAndMemory) {
    Children children;
    const DWORD pid = children.Start(FixtureDir() + kChild);
    ProcessList list;
    list.Refresh(false);
    int at = -1;
    ASSERT_TRUE(list.Exists(pid, at));
    const ProcessRecord rec = list.GetProcessRec(at);
    EXPECT_EQ(rec.Name, kChild);
    EXPECT_TRUE(rec.ExeName.ends_with(kChild)) << rec.ExeName;
    EXPECT_GT(rec.MemoryUsage, 0);
    EXPECT_EQ(rec.ParentProcessID, ::GetCurrentProcessId());
    EXPECT_FALSE(rec.UserName.empty());
    EXPECT_EQ(rec.Tag, 0);
    int byName = -1;
    EXPECT_TRUE(list.Exists(L"PROCESSES_VER_TWO_TRANSLATIONS.EXE", byName));
    EXPECT_EQ(byName, at);
    EXPECT_TRUE(list.Exists(::GetCurrentProcessId()));  // Wine has no idle entry: keep it all
    for (const ProcessRecord& r : list.Entries()) {
        EXPECT_NE(r.ProcessID, 0u);
    }

    // A child still settling changes its working set between two readings: compare the units
    // only over readings taken while it stood still.
    std::int64_t bytes = 0;
    std::int64_t kb = -1;
    std::int64_t mb = -1;
    for (int i = 0; i < 100; ++i) {
        bytes = ProcessList::GetProcessMemoryUsage(pid, utByte, false);
        kb = ProcessList::GetProcessMemoryUsage(pid, utKiloByte, false);
        mb = ProcessList::GetProcessMemoryUsage(pid, utMegaByte, false);
        if (ProcessList::GetProcessMemoryUsage(pid, utByte, false) == bytes) {
            break;
        }
        ::Sleep(20);
    }
    ASSERT_GT(bytes, 1048576);
    EXPECT_EQ(kb, bytes / 1024);
    EXPECT_EQ(mb, bytes / 1048576);
    EXPECT_EQ(ProcessList::GetProcessMemoryUsage(pid, utGigaByte, false), 0);
    EXPECT_EQ(ProcessList::GetProcessMemoryUsage(pid, 7, false), 0);

    const std::wstring dump = list.ProcessInfoToStr(at);
    EXPECT_NE(dump.find(L"\r\nProcess ID = " + std::to_wstring(pid) + L"\r\n"), std::wstring::npos);
}

TEST(ProcessList, ProcessThatCannotBeOpenedHasNoMemory) {
    // No process has this ID (they are multiples of four); an ended child's ID could be reused
    // by a process of a test running alongside.
    constexpr DWORD kNoProcess = 0xFFFFFFF1;
    EXPECT_EQ(ProcessList::GetProcessMemoryUsage(kNoProcess, utByte, false), 0);
    EXPECT_FALSE(ProcessList::TerminateProcess(kNoProcess));
    EXPECT_EQ(ProcessImagePath(kNoProcess), L"");
}

TEST(ProcessList, TerminateByNameEndsOnlyTheFirstOfTwo) {
    Children children;
    const DWORD a = children.Start(FixtureDir() + kChild);
    const DWORD b = children.Start(FixtureDir() + kChild);
    ProcessList list;
    list.Refresh(false, ProcessList::Accounts::Skip);
    int ia = -1;
    int ib = -1;
    ASSERT_TRUE(list.Exists(a, ia));
    ASSERT_TRUE(list.Exists(b, ib));
    EXPECT_FALSE(list.TerminateProcess(L"no-such-program.exe"));
    ASSERT_TRUE(list.TerminateProcess(L"Processes_Ver_Two_Translations.exe"));
    const size_t first = ia < ib ? 0 : 1;
    EXPECT_EQ(::WaitForSingleObject(children.procs[first].hProcess, kChildDeadlineMs),
              WAIT_OBJECT_0);
    EXPECT_TRUE(children.Alive(1 - first));
}

TEST(ProcessList, IconOfAnExecutable) {
    UniqueIcon icon = ProcessList::GetProcessIcon(FixtureDir() + kChild, true);
    EXPECT_TRUE(icon);
}

}  // namespace
}  // namespace orvane::win
