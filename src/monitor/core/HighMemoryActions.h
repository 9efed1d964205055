#pragma once

#include <functional>
#include <string>

#include "monitor/core/MemorySnapshot.h"
#include "settings/core/OrvaneOptions.h"

namespace orvane {

// What the high-memory step asks of the program; the main form supplies the real ones.
struct HighMemoryActions {
    std::function<void()> TrimAllWorkingSets;
    std::function<void(const std::wstring& title, const std::wstring& text)> ShowBalloon;
    std::function<void(const std::wstring& title, const std::wstring& text)> ShowLowMemoryDialog;
    std::function<void(const MemorySnapshot& snapshot)> AppendLogLine;
};

// The actions of a fired high-memory check, in order: trim, balloon, log line, dialog, each as
// `options` asks. The dialog is skipped while `warningDialogOpen`, which is true while it is
// shown.
void RunHighMemoryActions(const OrvaneOptions& options, const MemorySnapshot& snapshot,
                          bool& warningDialogOpen, const HighMemoryActions& actions);

}  // namespace orvane
