#include "common/win/CommonDialogs.h"

#include "common/win/Handles.h"

namespace orvane::win {

namespace {

HMODULE CommonDialogs() {
    static const HMODULE module = LoadSystemLibrary(L"comdlg32.dll").release();
    return module;
}

}  // namespace

BOOL ChooseColorDialog(CHOOSECOLORW* cc) {
    using Fn = BOOL(WINAPI*)(CHOOSECOLORW*);
    static const Fn fn = GetProcAddressAs<Fn>(CommonDialogs(), "ChooseColorW");
    return fn ? fn(cc) : FALSE;
}

BOOL ChooseFontDialog(CHOOSEFONTW* cf) {
    using Fn = BOOL(WINAPI*)(CHOOSEFONTW*);
    static const Fn fn = GetProcAddressAs<Fn>(CommonDialogs(), "ChooseFontW");
    return fn ? fn(cf) : FALSE;
}

BOOL SaveFileDialog(OPENFILENAMEW* ofn) {
    using Fn = BOOL(WINAPI*)(OPENFILENAMEW*);
    static const Fn fn = GetProcAddressAs<Fn>(CommonDialogs(), "GetSaveFileNameW");
    return fn ? fn(ofn) : FALSE;
}

}  // namespace orvane::win
