#pragma once

#include <windows.h>

#include "common/win/Handles.h"

namespace orvane::win {

// One running copy per user session: a named mutex in the session decides, taken before
// anything else, so copies started at the same moment cannot all pass.
class SingleInstance {
  public:
    explicit SingleInstance(const wchar_t* mutexName);
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Whether this copy holds the mutex (for the rest of its life).
    bool IsFirst() const { return first_; }

  private:
    UniqueProcessHandle mutex_;
    bool first_ = false;
};

// Posts `msg` to the running copy's main window of class `className`, waiting up to `waitMs`
// for that window to appear (a copy that has just started may not have made it yet). False
// when no window came.
bool NotifyRunningCopy(const wchar_t* className, UINT msg, DWORD waitMs);

}  // namespace orvane::win
