#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "common/win/Handles.h"
#include "processes/core/ProcessRecords.h"

namespace orvane::win {

// A snapshot of the running processes. Short-lived: create, Refresh, read, free.
class ProcessList : public ProcessRecords {
  public:
    // Account look-ups cost a token and a SID look-up per process and only the diagnostic
    // dump reads them; a list can leave them out.
    enum class Accounts { Read, Skip };

    // Rebuilds the list from a new snapshot. `bProcessPageFile` picks the private bytes
    // instead of the working set as the memory figure.
    void Refresh(bool bProcessPageFile, Accounts accounts = Accounts::Read);

    UniqueIcon GetProcessIcon(int Index, bool bSmallIcon) const;
    static UniqueIcon GetProcessIcon(const std::wstring& ExeName, bool bSmallIcon);

    // One memory figure of any process; 0 when it cannot be opened or read.
    static std::int64_t GetProcessMemoryUsage(DWORD dwProcessID, int UnitType, bool bPageFile);

    std::wstring ProcessInfoToStr(int Index) const;

    static bool TerminateProcess(DWORD dwProcessID);
    // Ends the first entry of this name (A to Z compared without case).
    bool TerminateProcess(const std::wstring& Name) const;
};

// The full image path of a process; empty when it cannot be opened or read.
std::wstring ProcessImagePath(DWORD processId);
std::wstring ProcessImagePath(HANDLE process);

// The account a process runs under; false (and both texts empty) when any step fails.
bool ProcessAccount(DWORD processId, std::wstring& userName, std::wstring& domain);

}  // namespace orvane::win
