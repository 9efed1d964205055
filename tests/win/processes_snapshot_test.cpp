#include <gtest/gtest.h>

#include <windows.h>

#include <psapi.h>
#include <tlhelp32.h>

#include "processes_fixtures.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "common/win/Handles.h"
#include "processes/win/ProcessImagePaths.h"
#include "processes/win/ProcessSnapshot.h"

namespace orvane {

void PrintTo(const ProcessTableEntry& e, std::ostream* os) {
    *os << "{pid " << e.ProcessID << ", parent " << e.ParentProcessID << ", name \""
        << std::string(e.Name.begin(), e.Name.end()) << "\", created " << e.CreationTime
        << ", working set " << e.WorkingSetSize << ", page file " << e.PagefileUsage << ", threads "
        << e.ThreadCount << ", priority " << e.BasePriority << "}";
}

namespace win {
namespace {

using Table = std::vector<ProcessTableEntry>;

// What the per-process path learns of each process: Toolhelp's entry, then the process opened
// for its start time and memory counters. Written out here rather than borrowed from the
// program, so that it checks the program.
Table ReadEachProcess() {
    Table table;
    const UniqueKernelHandle snap(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    PROCESSENTRY32W pe{};
    pe.dwSize = sizeof(pe);
    for (BOOL ok = ::Process32FirstW(snap.get(), &pe); ok; ok = ::Process32NextW(snap.get(), &pe)) {
        ProcessTableEntry e{pe.th32ProcessID, pe.th32ParentProcessID, pe.szExeFile, 0, 0, 0,
                            pe.cntThreads,    pe.pcPriClassBase};
        const UniqueProcessHandle p(
            ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, e.ProcessID));
        FILETIME created{}, exited{}, kernel{}, user{};
        if (p && ::GetProcessTimes(p.get(), &created, &exited, &kernel, &user)) {
            e.CreationTime = (std::uint64_t{created.dwHighDateTime} << 32) | created.dwLowDateTime;
        }
        PROCESS_MEMORY_COUNTERS c{};
        c.cb = sizeof(c);
        if (p && ::GetProcessMemoryInfo(p.get(), &c, sizeof(c))) {
            e.WorkingSetSize = c.WorkingSetSize;
            e.PagefileUsage = c.PagefileUsage;
        }
        table.push_back(e);
        pe.dwSize = sizeof(pe);
    }
    return table;
}

std::map<DWORD, ProcessTableEntry> ById(const Table& table) {
    std::map<DWORD, ProcessTableEntry> byId;
    for (const ProcessTableEntry& e : table) {
        byId.emplace(e.ProcessID, e);
    }
    return byId;
}

// Memory counters and thread counts move while a process runs. Reads `reference`, `tested`
// and `reference` again, and expects `tested` to equal the reference for every process whose
// reference entry stood still across the tested read; processes the reference could not open
// (no start time) are left out. Repeats until each of `required` has been compared.
void ExpectSameWhereStill(const std::function<Table()>& reference,
                          const std::function<Table()>& tested,
                          const std::vector<DWORD>& required) {
    std::set<DWORD> compared;
    for (int round = 0; round < 100; ++round) {
        const auto before = ById(reference());
        const auto got = ById(tested());
        const auto after = ById(reference());
        for (const auto& [pid, ref] : before) {
            const auto again = after.find(pid);
            if (ref.CreationTime == 0 || again == after.end() || again->second != ref) {
                continue;
            }
            const auto it = got.find(pid);
            ASSERT_NE(it, got.end()) << "process " << pid << " missing";
            EXPECT_EQ(it->second, ref);
            compared.insert(pid);
        }
        if (std::all_of(required.begin(), required.end(),
                        [&](DWORD pid) { return compared.count(pid) > 0; })) {
            return;
        }
        ::Sleep(20);
    }
    for (DWORD pid : required) {
        EXPECT_TRUE(compared.count(pid)) << "process " << pid << " never stood still";
    }
}

std::vector<DWORD> StartChildren(Children& children) {
    std::vector<DWORD> pids;
    for (int i = 0; i < 3; ++i) {
        pids.push_back(children.Start(FixtureDir() + kChild));
    }
    return pids;
}

TEST(ProcessSnapshot, OneCallGivesWhatEachOpenedProcessGives) {
    Children children;
    const std::vector<DWORD> pids = StartChildren(children);
    ProcessSnapshot snapshot;
    const Table table = snapshot.Take();
    ASSERT_TRUE(snapshot.TookOneCall());
    const auto byId = ById(table);
    for (DWORD pid : pids) {
        ASSERT_TRUE(byId.count(pid)) << pid;
        const ProcessTableEntry& e = byId.at(pid);
        EXPECT_EQ(e.Name, kChild);
        EXPECT_EQ(e.ParentProcessID, ::GetCurrentProcessId());
        EXPECT_GT(e.WorkingSetSize, 1048576u);
        EXPECT_GT(e.PagefileUsage, 0u);
        EXPECT_NE(e.CreationTime, 0u);
    }
    ASSERT_TRUE(byId.count(::GetCurrentProcessId()));

    ExpectSameWhereStill(
        ReadEachProcess, [&] { return snapshot.Take(); }, pids);
}

// Makes the one call fail in a given way, never touching the system.
class BrokenQuery final : public SystemInformationQuery {
  public:
    enum class Way { Refuses, Missing, Garbled, EndlessMismatch, AsksTooMuch, OverstatesAnswer };
    explicit BrokenQuery(Way way) : way_(way) {}

    LONG Query(ULONG, void* buffer, ULONG size, ULONG* returned) override {
        switch (way_) {
            case Way::Refuses:
                return static_cast<LONG>(0xC0000022);  // STATUS_ACCESS_DENIED
            case Way::Missing:
                return kStatusNotImplemented;  // what the program gets without the export
            case Way::Garbled:
                // A record whose successor lies beyond the answer.
                std::memset(buffer, 0, size);
                std::memset(buffer, 0x7F, 4);
                *returned = size;
                return kStatusSuccess;
            case Way::EndlessMismatch:
                *returned = size + 4096;
                return kStatusInfoLengthMismatch;
            case Way::AsksTooMuch:
                *returned = 0xFFFFFFF0;
                return kStatusInfoLengthMismatch;
            case Way::OverstatesAnswer:
                *returned = size + 8;
                return kStatusSuccess;
        }
        return kStatusNotImplemented;
    }

  private:
    Way way_;
};

TEST(ProcessSnapshot, FallsBackToOpeningEachProcessWhenTheCallFails) {
    Children children;
    const std::vector<DWORD> pids = StartChildren(children);
    ProcessSnapshot oneCall;
    const struct {
        const char* what;
        BrokenQuery::Way way;
    } cases[] = {
        {"refused", BrokenQuery::Way::Refuses},
        {"missing", BrokenQuery::Way::Missing},
        {"unreadable answer", BrokenQuery::Way::Garbled},
        {"never large enough", BrokenQuery::Way::EndlessMismatch},
        {"asks for more than any table needs", BrokenQuery::Way::AsksTooMuch},
        {"answer longer than the buffer", BrokenQuery::Way::OverstatesAnswer},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        BrokenQuery query(c.way);
        ProcessSnapshot fallback(query);
        const auto byId = ById(fallback.Take());
        EXPECT_FALSE(fallback.TookOneCall());
        for (DWORD pid : pids) {
            ASSERT_TRUE(byId.count(pid)) << pid;
            EXPECT_EQ(byId.at(pid).Name, kChild);
        }
        // The same records as the one call, wherever the processes stood still.
        ExpectSameWhereStill([&] { return fallback.Take(); }, [&] { return oneCall.Take(); }, pids);
        EXPECT_TRUE(oneCall.TookOneCall());
    }
}

// The real call, after pretending a few times that the buffer is too small.
class CountingQuery final : public SystemInformationQuery {
  public:
    int calls = 0;
    int mismatchesLeft = 0;
    LONG Query(ULONG infoClass, void* buffer, ULONG size, ULONG* returned) override {
        ++calls;
        if (mismatchesLeft > 0) {
            --mismatchesLeft;
            *returned = size + 1;
            return kStatusInfoLengthMismatch;
        }
        return SystemInformation().Query(infoClass, buffer, size, returned);
    }
};

TEST(ProcessSnapshot, GrowsItsBufferAndKeepsIt) {
    CountingQuery query;
    query.mismatchesLeft = 3;
    ProcessSnapshot snapshot(query);
    const Table first = snapshot.Take();
    ASSERT_TRUE(snapshot.TookOneCall());
    EXPECT_GE(query.calls, 4);
    EXPECT_TRUE(ById(first).count(::GetCurrentProcessId()));
    query.calls = 0;
    snapshot.Take();
    EXPECT_TRUE(snapshot.TookOneCall());
    EXPECT_EQ(query.calls, 1);  // the kept buffer holds the table at once
}

// Answers the image path question with a given text, as the system does: the length it needs
// when the lent buffer is too small.
class PathQuery final : public SystemInformationQuery {
  public:
    struct CountedText {
        USHORT Length;
        USHORT MaximumLength;
        PWSTR Buffer;
    };
    struct Request {
        HANDLE ProcessId;
        CountedText ImageName;
    };

    LONG status = kStatusSuccess;
    std::wstring answer;
    USHORT demandBytes = 0;   // at least this much buffer, or a length mismatch
    USHORT statedLength = 0;  // when set, the length reported instead of the answer's
    int calls = 0;

    LONG Query(ULONG infoClass, void* buffer, ULONG size, ULONG* returned) override {
        if (infoClass != kSystemProcessIdInformation || size != sizeof(Request)) {
            return kStatusInvalidInfoClass;
        }
        ++calls;
        if (status != kStatusSuccess) {
            return status;
        }
        auto* request = static_cast<Request*>(buffer);
        const auto bytes = static_cast<USHORT>(answer.size() * sizeof(wchar_t));
        const USHORT needed = std::max<USHORT>(bytes + 2, demandBytes);
        if (request->ImageName.MaximumLength < needed) {
            request->ImageName.MaximumLength = needed;
            return kStatusInfoLengthMismatch;
        }
        std::memcpy(request->ImageName.Buffer, answer.data(), bytes);
        request->ImageName.Length = statedLength ? statedLength : bytes;
        *returned = sizeof(Request);
        return kStatusSuccess;
    }
};

std::wstring NtImagePathOfThisProgram() {
    wchar_t path[MAX_PATH] = {};
    const DWORD n = ::GetProcessImageFileNameW(::GetCurrentProcess(), path, MAX_PATH);
    return std::wstring(path, n);
}

TEST(ProcessImagePaths, PathsAsTheOpenedProcessGivesThem) {
    Children children;
    const DWORD child = children.Start(FixtureDir() + kChild);
    ProcessImagePaths paths;
    for (DWORD pid : {child, ::GetCurrentProcessId()}) {
        const std::wstring path = paths.Of(pid);
        EXPECT_EQ(path, ImagePathByOpening(pid));
        EXPECT_EQ(path.find(L':'), 1u) << path;  // a drive path, not the system's own form
    }
    EXPECT_TRUE(paths.Of(child).ends_with(kChild));
    EXPECT_EQ(paths.Of(0xFFFFFFF1), L"");  // no such process
}

TEST(ProcessImagePaths, TurnsTheSystemsAnswerIntoADrivePath) {
    // Every process is answered with this program's path in the system's own form
    // (\Device\HarddiskVolumeN\...): a child's path coming back as this program's shows that
    // the answer was used, not the open.
    Children children;
    const DWORD child = children.Start(FixtureDir() + kChild);
    PathQuery query;
    query.answer = NtImagePathOfThisProgram();
    ASSERT_EQ(query.answer.rfind(L"\\Device\\", 0), 0u) << query.answer;
    query.demandBytes = 2000;  // longer than the first buffer: it has to grow once
    ProcessImagePaths paths(query);
    const std::wstring self = ImagePathByOpening(::GetCurrentProcessId());
    EXPECT_EQ(paths.Of(child), self);
    EXPECT_EQ(query.calls, 2);
    EXPECT_EQ(paths.Of(child), self);
    EXPECT_EQ(query.calls, 3);  // the grown buffer is kept
}

TEST(ProcessImagePaths, OpensTheProcessWhereTheSystemCannotSay) {
    Children children;
    const DWORD child = children.Start(FixtureDir() + kChild);
    const std::wstring opened = ImagePathByOpening(child);
    ASSERT_TRUE(opened.ends_with(kChild));
    const struct {
        const char* what;
        LONG status;
        std::wstring answer;
        USHORT statedLength;
        int callsForTwo;  // asked again for the next process?
    } cases[] = {
        {"class unknown (Wine 8)", kStatusInvalidInfoClass, L"", 0, 1},
        {"call missing", kStatusNotImplemented, L"", 0, 1},
        {"process gone meanwhile", static_cast<LONG>(0xC000000B), L"", 0, 2},
        {"path on no drive", kStatusSuccess, L"\\Device\\Mup\\server\\share\\a.exe", 0, 2},
        {"odd length", kStatusSuccess, L"\\Device\\HarddiskVolume1\\a.exe", 11, 2},
        {"length beyond the buffer", kStatusSuccess, L"\\Device\\HarddiskVolume1\\a.exe", 0xFFFE,
         2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PathQuery query;
        query.status = c.status;
        query.answer = c.answer;
        query.statedLength = c.statedLength;
        ProcessImagePaths paths(query);
        EXPECT_EQ(paths.Of(child), opened);
        EXPECT_EQ(paths.Of(child), opened);
        EXPECT_EQ(query.calls, c.callsForTwo);
    }
}

}  // namespace
}  // namespace win
}  // namespace orvane
