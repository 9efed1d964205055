#include "common/win/CommonControls.h"

#include <commctrl.h>

#include "common/win/Handles.h"

namespace orvane::win {

HMODULE CommonControls() {
    static const HMODULE module = [] {
        HMODULE m = ::GetModuleHandleW(L"comctl32.dll");
        if (!m) {
            m = LoadSystemLibrary(L"comctl32.dll").release();
        }
        using InitFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
        if (const auto init = GetProcAddressAs<InitFn>(m, "InitCommonControlsEx")) {
            const INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_STANDARD_CLASSES | ICC_LINK_CLASS};
            init(&icc);
        }
        return m;
    }();
    return module;
}

}  // namespace orvane::win
