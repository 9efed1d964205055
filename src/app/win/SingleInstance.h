#pragma once

#include <windows.h>

#include "common/win/Handles.h"

namespace orvane::win {

// One running copy per user session: a named mutex in the session decides, taken before
// anything else, so copies started at the same moment cannot all pass.
class SingleInstance {
  public:
    explicit SingleInstance(const wchar_t* mutexName);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Whether this copy holds the mutex (for the rest of its life).
    bool IsFirst() const { return first_; }

    // Waits up to `waitMs` for the running copy to let the mutex go (or to die holding it) and
    // takes it: this copy becomes the first.
    bool TakeOver(DWORD waitMs);

  private:
    UniqueProcessHandle mutex_;
    bool first_ = false;
};

}  // namespace orvane::win
