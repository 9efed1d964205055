#pragma once

#include <windows.h>

#include <string>

namespace orvane::win {

// Asks for one line of text in a modal box: `caption` in the title bar, `prompt` above the edit
// field, OK and Cancel. The box follows its monitor's DPI and grows to fit its texts. Enter
// confirms, Escape and the close box cancel. Returns true on OK, with the typed text in `value`;
// `value` is left untouched otherwise.
bool InputQuery(HWND owner, const std::wstring& caption, const std::wstring& prompt,
                std::wstring& value);

}  // namespace orvane::win
