#pragma once

#include <string>

#include "settings/core/AutoStartValue.h"
#include "settings/win/RunKey.h"

namespace orvane::win {

// Starting with Windows: the value "Orvane" in the Run key, holding the running executable's
// quoted path. What the key says is the truth; nothing is kept in the settings file.
class AutoStart {
  public:
    explicit AutoStart(RunKey key = RunKey(), std::wstring exePath = RunningExePath());

    // How the value stands now.
    AutoStartView Current() const;
    // Points the value at this executable (replacing another copy's), or removes it. False when
    // the registry refused.
    bool Set(bool on) const;

    const std::wstring& ExePath() const { return exePath_; }
    static std::wstring RunningExePath();

  private:
    RunKey key_;
    std::wstring exePath_;
};

}  // namespace orvane::win
