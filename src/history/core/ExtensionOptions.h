#pragma once

#include <cstdint>
#include <optional>

#include "common/core/Geometry.h"
#include "history/core/LeakRule.h"

namespace orvane {

// The settings of the additions, kept in the settings file's own section "Extensions". Each
// starts in the state that leaves the program as it is without them.
struct ExtensionOptions {
    bool LeakWatch = false;
    std::int32_t LeakMinutes = 30;
    std::int32_t LeakGrowthMB = 100;
    std::int32_t LeakGrowthPercent = 50;
    bool TrimReport = false;            // a balloon saying what a trim freed
    std::optional<Rect> HistoryWindow;  // the history window's place; none until first shown
    // The tray menu lists the processes it cannot open too.
    bool ShowProtectedProcesses = false;

    bool operator==(const ExtensionOptions&) const = default;
};

inline LeakRule LeakRuleOf(const ExtensionOptions& options) {
    return {options.LeakMinutes, options.LeakGrowthMB, options.LeakGrowthPercent};
}

}  // namespace orvane
