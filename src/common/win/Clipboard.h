#pragma once

#include <windows.h>

#include <string>

namespace orvane::win {

// Puts `text` on the clipboard as Unicode text, `owner` owning it; false when that failed.
bool SetClipboardText(HWND owner, const std::wstring& text);

}  // namespace orvane::win
