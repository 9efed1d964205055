#include "app/win/Privileges.h"

#include <windows.h>

#include "common/win/Handles.h"

namespace orvane::win {

void EnablePrivilege(const wchar_t* name, bool enable) {
    HANDLE raw = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &raw)) {
        return;
    }
    UniqueProcessHandle token(raw);
    LUID luid{};
    if (!::LookupPrivilegeValueW(nullptr, name, &luid)) {
        return;
    }
    TOKEN_PRIVILEGES tp{};
    tp.PrivilegeCount = 1;
    tp.Privileges[0].Luid = luid;
    tp.Privileges[0].Attributes = enable ? SE_PRIVILEGE_ENABLED : 0;
    TOKEN_PRIVILEGES previous{};
    DWORD previousSize = sizeof(previous);
    ::AdjustTokenPrivileges(token.get(), FALSE, &tp, sizeof(previous), &previous, &previousSize);
}

}  // namespace orvane::win
