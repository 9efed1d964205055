#pragma once

#include <cstdint>
#include <string>

#include "common/core/LocaleFormat.h"
#include "monitor/core/MemorySnapshot.h"
#include "settings/core/OrvaneOptions.h"

namespace orvane {

// The memory summary shown in the tray menu and the information balloon, lines joined by CR LF:
// with HintWhatisDisplayed a first line saying what the icon shows, then the load, the physical
// memory and the page file as used / total.
std::wstring MemoryInfoText(const MemorySnapshot& snapshot, const OrvaneOptions& options,
                            const NumberSeparators& separators);

// The total of the memory kind the icon shows: the page file with ShowPage, else physical.
std::uint64_t DisplayedTotal(const MemorySnapshot& snapshot, const OrvaneOptions& options);

}  // namespace orvane
