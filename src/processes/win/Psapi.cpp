#include "processes/win/Psapi.h"

#include "common/win/Handles.h"

namespace orvane::win {

namespace {

template <typename Fn>
Fn Lookup(HMODULE module, const char* name) {
    if (!module) {
        return nullptr;
    }
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

}  // namespace

const PsapiFunctions& Psapi() {
    // Loaded once and kept for the program's life.
    static const UniqueModule module = LoadSystemLibrary(L"psapi.dll");
    static const PsapiFunctions functions = [] {
        PsapiFunctions f;
        f.getModuleFileName =
            Lookup<PsapiFunctions::GetModuleFileNameExFn>(module.get(), "GetModuleFileNameExW");
        f.getProcessMemoryInfo =
            Lookup<PsapiFunctions::GetProcessMemoryInfoFn>(module.get(), "GetProcessMemoryInfo");
        f.emptyWorkingSet =
            Lookup<PsapiFunctions::EmptyWorkingSetFn>(module.get(), "EmptyWorkingSet");
        return f;
    }();
    return functions;
}

}  // namespace orvane::win
