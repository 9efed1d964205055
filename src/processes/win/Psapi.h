#pragma once

#include <windows.h>

#include <psapi.h>

namespace orvane::win {

// The process-status functions, from psapi.dll in the system folder, loaded on first use.
// A missing library or function leaves its pointer null.
struct PsapiFunctions {
    using GetModuleFileNameExFn = DWORD(WINAPI*)(HANDLE, HMODULE, LPWSTR, DWORD);
    using GetProcessMemoryInfoFn = BOOL(WINAPI*)(HANDLE, PPROCESS_MEMORY_COUNTERS, DWORD);
    using EmptyWorkingSetFn = BOOL(WINAPI*)(HANDLE);

    GetModuleFileNameExFn getModuleFileName = nullptr;
    GetProcessMemoryInfoFn getProcessMemoryInfo = nullptr;
    EmptyWorkingSetFn emptyWorkingSet = nullptr;
};

const PsapiFunctions& Psapi();

}  // namespace orvane::win
