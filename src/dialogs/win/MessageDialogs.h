#pragma once

#include <windows.h>

#include <string>

#include "dialogs/core/MessageBoxBuilder.h"

// MessageBoxBuilder::Execute is defined here, on TaskDialogIndirect.
namespace orvane::win {

// What a clicked link in a box does: its own handler, else the URL opens in the browser.
void OpenBoxLink(const MessageBoxBuilder& box, const std::wstring& url);

// The owner that MessageBoxBuilder::Execute gives its dialog.
inline WindowHandle ToWindowHandle(HWND hwnd) {
    return hwnd;
}

}  // namespace orvane::win
