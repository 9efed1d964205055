#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "settings/core/Options.h"

namespace orvane {

// Decides when the high-memory actions (trim, warning, log line) run: when the load rises to
// RedPercent, and never twice within five minutes. Times are the 32-bit millisecond tick count,
// passed in by the caller.
class HighMemoryCheck {
  public:
    static constexpr std::uint32_t kAlarmIntervalMs = 300000;

    // True when the actions are to run now; the firing time is kept for the five-minute guard.
    // Call Seen once the actions have run.
    bool ShouldFire(std::uint32_t memoryLoad, std::int32_t redPercent, std::uint32_t nowTick);

    // Remembers the load of this check, so that the next one can tell a rise from a level.
    void Seen(std::uint32_t memoryLoad) { lastMemPerc_ = static_cast<std::int32_t>(memoryLoad); }

    std::int32_t LastMemPerc() const { return lastMemPerc_; }

  private:
    std::int32_t lastMemPerc_ = 0;
    std::optional<std::uint32_t> lastAlarmTick_;
};

// Whether any high-memory action is switched on. When none is, the tick skips the check and
// LastMemPerc stays as it was.
bool HighMemoryActionsWanted(const TOrvaneOptions& options);

// The title and text of the low-memory balloon and dialog; the text says whether the working
// sets were already trimmed.
inline constexpr std::wstring_view kLowMemoryWarningTitle = L"您的计算机内存不足.";
std::wstring_view LowMemoryWarningText(bool defragOnHighMemory);

}  // namespace orvane
