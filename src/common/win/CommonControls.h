#pragma once

#include <windows.h>

namespace orvane::win {

// The common controls of the program's activation context (version 6 through the manifest),
// loaded and initialised at the first call and kept for the program's lifetime; null when they
// cannot be loaded. Loaded on first use, not at start-up: a program that only sits in the tray
// never pays their memory.
HMODULE CommonControls();

}  // namespace orvane::win
