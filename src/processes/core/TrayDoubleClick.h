#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace orvane {

// The things a double-click on the tray icon can do, one per DoubleClickAction value 0-7.
struct DoubleClickActions {
    std::function<void()> LaunchTaskManager;
    std::function<void()> TrimMemory;
    std::function<void()> ShowMemoryInfo;
    std::function<void()> ShowSettings;
    std::function<void()> LockWorkStation;
    std::function<void()> ShowRunDialog;
    std::function<void()> ShowShutdownDialog;
    std::function<void()> ShowDesktop;
};

// Runs the action of `doubleClickAction`; any other value does nothing.
void RunDoubleClickAction(std::int32_t doubleClickAction, const DoubleClickActions& actions);

// The Run dialog's description naming `appName`, at most 115 characters (a character pair
// is not split).
std::wstring RunDialogDescription(const std::wstring& appName);

}  // namespace orvane
