#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "settings/core/OrvaneOptions.h"

namespace orvane {

// Decides when the high-memory actions (trim, warning, log line) run: when the load rises to
// RedPercent, and never twice within five minutes. Times are the 32-bit millisecond tick count,
// passed in by the caller.
class HighMemoryCheck {
  public:
    static constexpr std::uint32_t kAlarmIntervalMs = 300000;

    // One check, made by a tick that redrew the icon. Does nothing when no high-memory action is
    // switched on. Otherwise runs `actions` when the load has risen to RedPercent and five
    // minutes have passed since the last firing, then remembers the load. If `actions` throws,
    // the load is not remembered and the exception goes on to the caller.
    void Check(std::uint32_t memoryLoad, const OrvaneOptions& options, std::uint32_t nowTick,
               const std::function<void()>& actions);

    // The load seen by the last completed check; 0 before the first.
    std::int32_t LastMemPerc() const { return lastMemPerc_; }

  private:
    bool ShouldFire(std::uint32_t memoryLoad, std::int32_t redPercent, std::uint32_t nowTick);

    std::int32_t lastMemPerc_ = 0;
    std::optional<std::uint32_t> lastAlarmTick_;
};

// Whether any of Warn, DefragOnHighMemory, WarnMsgBox and WriteLog is on.
bool HighMemoryActionsWanted(const OrvaneOptions& options);

// The title and text of the low-memory balloon and dialog; the text says whether the working
// sets were already trimmed.
inline constexpr std::wstring_view kLowMemoryWarningTitle = L"您的计算机内存不足.";
std::wstring_view LowMemoryWarningText(bool defragOnHighMemory);

}  // namespace orvane
