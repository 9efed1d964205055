#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "processes/win/ProcessList.h"

namespace orvane::win {

// The folder of the test program, where the fixture programs are built (with a trailing slash).
inline std::wstring FixtureDir() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring dir(path);
    return dir.substr(0, dir.find_last_of(L"\\/") + 1);
}

// A fixture program with two version translations; it waits until it is ended.
inline const wchar_t kChild[] = L"processes_ver_two_translations.exe";

// How long a child may take to start, or to end once told to: Wine on a loaded machine is slow
// at both.
inline constexpr DWORD kChildDeadlineMs = 60000;

// Child programs started for a test and ended when it finishes.
struct Children {
    std::vector<PROCESS_INFORMATION> procs;
    DWORD Start(const std::wstring& exe) {
        STARTUPINFOW si{};
        si.cb = sizeof(si);
        PROCESS_INFORMATION pi{};
        std::wstring cmd = L"\"" + exe + L"\"";
        EXPECT_TRUE(::CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                     nullptr, &si, &pi));
        // The image path is readable once the child's loader has run.
        const ULONGLONG deadline = ::GetTickCount64() + kChildDeadlineMs;
        while (ProcessImagePath(pi.dwProcessId).empty() && ::GetTickCount64() < deadline) {
            ::Sleep(10);
        }
        EXPECT_NE(ProcessImagePath(pi.dwProcessId), L"") << "the child did not start: " << exe;
        procs.push_back(pi);
        return pi.dwProcessId;
    }
    bool Alive(size_t i) const {
        return ::WaitForSingleObject(procs[i].hProcess, 0) == WAIT_TIMEOUT;
    }
    ~Children() {
        for (auto& pi : procs) {
            ::TerminateProcess(pi.hProcess, 0);
            ::CloseHandle(pi.hThread);
            ::CloseHandle(pi.hProcess);
        }
    }
};

}  // namespace orvane::win
