#include "processes/win/SystemInformationQuery.h"

#include "common/win/Handles.h"

namespace orvane::win {

namespace {

using NtQuerySystemInformationFn = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);

NtQuerySystemInformationFn LookUp() {
    // ntdll.dll is mapped into every process: no load, nothing to free.
    return GetProcAddressAs<NtQuerySystemInformationFn>(::GetModuleHandleW(L"ntdll.dll"),
                                                        "NtQuerySystemInformation");
}

}  // namespace

LONG NtdllSystemInformation::Query(ULONG infoClass, void* buffer, ULONG size, ULONG* returned) {
    static const NtQuerySystemInformationFn query = LookUp();
    if (!query) {
        return kStatusNotImplemented;
    }
    return query(infoClass, buffer, size, returned);
}

SystemInformationQuery& SystemInformation() {
    static NtdllSystemInformation query;
    return query;
}

}  // namespace orvane::win
