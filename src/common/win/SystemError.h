#pragma once

#include <windows.h>

#include <string>

namespace orvane::win {

// The system's text for an error code or HRESULT, without the line end; empty when unknown.
std::wstring SystemErrorMessage(DWORD code);

}  // namespace orvane::win
