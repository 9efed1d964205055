#pragma once

#include <windows.h>

#include <chrono>
#include <string>

#include "common/win/Handles.h"

namespace orvane::win {

// Opens a file the user owns for reading, with every kind of sharing. Another program may hold
// it for a moment, so a failure other than "missing" is tried again every `step` until
// `retryFor` has passed; a folder in its place is not waited for. `error` is ERROR_SUCCESS or
// the reason the file could not be opened.
UniqueKernelHandle OpenForReadingWithRetry(const std::wstring& path,
                                           std::chrono::milliseconds retryFor,
                                           std::chrono::milliseconds step, DWORD& error);

}  // namespace orvane::win
