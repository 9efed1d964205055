#pragma once

#include <cstdint>
#include <string>

#include "settings/core/Color.h"
#include "settings/core/OrvaneOptions.h"

namespace orvane::win {

// What the tray menu reads from the main window at each opening.
class TrayMenuHost {
  public:
    virtual ~TrayMenuHost() = default;
    virtual const OrvaneOptions& MenuOptions() const = 0;
    // The total the percentages refer to, and the memory summary, from the last tick.
    virtual std::uint64_t DisplayedTotal() const = 0;
    virtual std::wstring MemoryInfoText() const = 0;
    virtual std::wstring FormatByteSize(std::uint64_t bytes) const = 0;
    // 0 light, 1 dark.
    virtual int GetMenuModeColor() const = 0;
    virtual ColorValue GetProcMenuHighlightColor(bool DefaultsOnly, int nForceColorMode) const = 0;
    // The defragment hotkey as shortcut text; empty when none is set.
    virtual std::wstring HotkeyText() const = 0;
    virtual int IconSize() const = 0;
    virtual int MonitorDpi() const = 0;
    // Whether the menu also lists the processes the program cannot open.
    virtual bool ShowProtectedProcesses() const = 0;
};

}  // namespace orvane::win
