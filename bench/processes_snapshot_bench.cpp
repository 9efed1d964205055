// The process snapshot against the one system call it is made of, under a realistic process
// table, as a ratio against a floor measured in the same run:
//   snapshot ratio = one ProcessSnapshot::Take (the call into its kept buffer, then every record
//                    read into an entry) / one bare
//                    NtQuerySystemInformation(SystemProcessInformation) into a buffer already large
//                    enough.
// Printed beside it for comparison: the Toolhelp scan with one open and one memory read per
// process that the per-process path pays, the snapshot's own fallback, and the image paths of
// every process.
#include <windows.h>

#include <psapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_children.h"
#include "common/win/Handles.h"
#include "processes/win/ProcessImagePaths.h"
#include "processes/win/ProcessSnapshot.h"

using namespace orvane;
using namespace orvane::win;

namespace {

using NtQuerySystemInformationFn = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);

// The floor: the call alone, into a buffer that holds the answer at once.
class BareCall {
  public:
    BareCall()
        : query_(reinterpret_cast<NtQuerySystemInformationFn>(reinterpret_cast<void*>(
              ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")))) {
        ULONG needed = 0;
        query_(5, nullptr, 0, &needed);
        buffer_.resize(2 * needed / sizeof(std::uint64_t) + 1);
    }
    ULONG operator()() {
        ULONG returned = 0;
        const LONG status =
            query_(5, buffer_.data(), static_cast<ULONG>(buffer_.size() * sizeof(std::uint64_t)),
                   &returned);
        return status == 0 ? returned : 0;
    }

  private:
    NtQuerySystemInformationFn query_;
    std::vector<std::uint64_t> buffer_;
};

// What the per-process path pays for the same figures (the menu benchmark's floor).
std::int64_t ScanOpeningEach() {
    std::int64_t total = 0;
    const UniqueKernelHandle snap(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    PROCESSENTRY32W e{};
    e.dwSize = sizeof(e);
    for (BOOL ok = ::Process32FirstW(snap.get(), &e); ok; ok = ::Process32NextW(snap.get(), &e)) {
        const UniqueProcessHandle p(
            ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, e.th32ProcessID));
        PROCESS_MEMORY_COUNTERS c{};
        c.cb = sizeof(c);
        if (p && ::GetProcessMemoryInfo(p.get(), &c, sizeof(c))) {
            total += static_cast<std::int64_t>(c.WorkingSetSize);
        }
    }
    return total;
}

// Always fails, so that the snapshot takes its fallback.
class NoCall final : public SystemInformationQuery {
  public:
    LONG Query(ULONG, void*, ULONG, ULONG*) override { return kStatusNotImplemented; }
};

template <typename F>
double Ms(F&& f) {
    const auto a = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - a).count();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int wanted = argc > 1 ? _wtoi(argv[1]) : 100;
    const int rounds = argc > 2 ? _wtoi(argv[2]) : 21;

    bench::BenchChildren children;
    if (!children.StartUntil(wanted)) {
        return 2;
    }

    BareCall bare;
    ProcessSnapshot snapshot;
    NoCall noCall;
    ProcessSnapshot fallback(noCall);
    ProcessImagePaths paths;
    std::size_t records = snapshot.Take().size();  // grows the kept buffer once
    bare();

    std::vector<double> call, take, scan, slow, withPaths;
    for (int i = 0; i < rounds; ++i) {  // interleaved, so drift hits all alike
        call.push_back(Ms([&] { bare(); }));
        take.push_back(Ms([&] { records = snapshot.Take().size(); }));
        scan.push_back(Ms([] { ScanOpeningEach(); }));
        slow.push_back(Ms([&] { fallback.Take(); }));
        withPaths.push_back(Ms([&] {
            for (const ProcessTableEntry& e : snapshot.Take()) {
                paths.Of(e.ProcessID);
            }
        }));
    }
    const double c = Median(call);
    const double t = Median(take);
    std::printf(
        "processes=%d records=%zu one_call=%d bare_call_ms=%.3f snapshot_ms=%.3f ratio=%.2f "
        "scan_opening_each_ms=%.2f fallback_ms=%.2f snapshot_with_paths_ms=%.2f\n",
        bench::CountProcesses(), records, snapshot.TookOneCall() ? 1 : 0, c, t, t / c, Median(scan),
        Median(slow), Median(withPaths));

    return snapshot.TookOneCall() ? 0 : 1;
}
