#include "processes/win/Psapi.h"

#include "common/win/Handles.h"

namespace orvane::win {

const PsapiFunctions& Psapi() {
    // Loaded once and kept for the program's life.
    static const UniqueModule module = LoadSystemLibrary(L"psapi.dll");
    static const PsapiFunctions functions = [] {
        PsapiFunctions f;
        f.getModuleFileName = GetProcAddressAs<PsapiFunctions::GetModuleFileNameExFn>(
            module.get(), "GetModuleFileNameExW");
        f.getProcessMemoryInfo = GetProcAddressAs<PsapiFunctions::GetProcessMemoryInfoFn>(
            module.get(), "GetProcessMemoryInfo");
        f.emptyWorkingSet =
            GetProcAddressAs<PsapiFunctions::EmptyWorkingSetFn>(module.get(), "EmptyWorkingSet");
        return f;
    }();
    return functions;
}

}  // namespace orvane::win
