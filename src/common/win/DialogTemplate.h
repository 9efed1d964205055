#pragma once

#include <windows.h>

#include <vector>

namespace orvane::win {

// An empty modal dialog template (caption, system menu, the shell dialog font) for dialogs that
// add their controls at run time. Pass data() as the DLGTEMPLATE of DialogBoxIndirectParamW.
std::vector<DWORD> EmptyDialogTemplate();

}  // namespace orvane::win
