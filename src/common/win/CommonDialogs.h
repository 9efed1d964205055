#pragma once

#include <windows.h>

#include <commdlg.h>

namespace orvane::win {

// The system's colour and font dialogs, from comdlg32 loaded at the first call: that library
// brings the common controls with it, which a program that only sits in the tray never needs.
// FALSE when the library or the function is missing.
BOOL ChooseColorDialog(CHOOSECOLORW* cc);
BOOL ChooseFontDialog(CHOOSEFONTW* cf);
BOOL SaveFileDialog(OPENFILENAMEW* ofn);

}  // namespace orvane::win
