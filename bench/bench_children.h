#pragma once
// The benchmarks' full process table: copies of processes_bench_child.exe (beside the bench)
// started until the system counts the processes asked for, ended when this goes.
#include <windows.h>

#include <tlhelp32.h>

#include <cstdio>
#include <string>
#include <vector>

#include "common/win/Handles.h"

namespace orvane::bench {

inline int CountProcesses() {
    const win::UniqueKernelHandle snap(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    PROCESSENTRY32W e{};
    e.dwSize = sizeof(e);
    int n = 0;
    for (BOOL ok = ::Process32FirstW(snap.get(), &e); ok; ok = ::Process32NextW(snap.get(), &e)) {
        ++n;
    }
    return n;
}

class BenchChildren {
  public:
    BenchChildren() = default;
    BenchChildren(const BenchChildren&) = delete;
    BenchChildren& operator=(const BenchChildren&) = delete;
    ~BenchChildren() {
        for (auto& pi : children_) {
            ::TerminateProcess(pi.hProcess, 0);
            ::CloseHandle(pi.hThread);
            ::CloseHandle(pi.hProcess);
        }
    }

    // False when a child could not be started (said on stderr).
    bool StartUntil(int wanted) {
        wchar_t self[MAX_PATH] = {};
        ::GetModuleFileNameW(nullptr, self, MAX_PATH);
        std::wstring child(self);
        child = child.substr(0, child.find_last_of(L"\\/") + 1) + L"processes_bench_child.exe";
        while (CountProcesses() < wanted && children_.size() < static_cast<size_t>(wanted)) {
            STARTUPINFOW si{};
            si.cb = sizeof(si);
            PROCESS_INFORMATION pi{};
            std::wstring cmd = L"\"" + child + L"\"";
            if (!::CreateProcessW(child.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                  nullptr, &si, &pi)) {
                std::fprintf(stderr, "cannot start %ls\n", child.c_str());
                return false;
            }
            children_.push_back(pi);
        }
        ::Sleep(1000);  // let the children finish loading
        return true;
    }

  private:
    std::vector<PROCESS_INFORMATION> children_;
};

}  // namespace orvane::bench
