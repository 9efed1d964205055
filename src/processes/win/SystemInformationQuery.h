#pragma once

#include <windows.h>

namespace orvane::win {

// NTSTATUS values the process queries look at.
inline constexpr LONG kStatusSuccess = 0;
inline constexpr LONG kStatusNotImplemented = static_cast<LONG>(0xC0000002);
inline constexpr LONG kStatusInvalidInfoClass = static_cast<LONG>(0xC0000003);
inline constexpr LONG kStatusInfoLengthMismatch = static_cast<LONG>(0xC0000004);

// Information classes of NtQuerySystemInformation.
inline constexpr ULONG kSystemProcessInformation = 5;
inline constexpr ULONG kSystemProcessIdInformation = 88;

// NtQuerySystemInformation, through which the process table and image paths are read without
// opening a process. Tests put one in that fails, to see the paths that open each process.
class SystemInformationQuery {
  public:
    virtual ~SystemInformationQuery() = default;
    virtual LONG Query(ULONG infoClass, void* buffer, ULONG size, ULONG* returned) = 0;
};

// The call itself, looked up in ntdll.dll at run time; STATUS_NOT_IMPLEMENTED when the system
// does not export it.
class NtdllSystemInformation final : public SystemInformationQuery {
  public:
    LONG Query(ULONG infoClass, void* buffer, ULONG size, ULONG* returned) override;
};

// The one the program uses.
SystemInformationQuery& SystemInformation();

}  // namespace orvane::win
