#include "app/win/SingleInstance.h"

namespace orvane::win {

SingleInstance::SingleInstance(const wchar_t* mutexName) {
    mutex_.reset(::CreateMutexW(nullptr, TRUE, mutexName));
    const DWORD error = ::GetLastError();
    if (mutex_) {
        first_ = error != ERROR_ALREADY_EXISTS;
    } else {
        // A copy running with other rights holds it and denies us; anything else leaves only
        // the window-class test to decide.
        first_ = error != ERROR_ACCESS_DENIED;
    }
}

SingleInstance::~SingleInstance() {
    if (first_ && mutex_) {
        ::ReleaseMutex(mutex_.get());
    }
}

bool SingleInstance::TakeOver(DWORD waitMs) {
    if (first_) {
        return true;
    }
    if (!mutex_) {
        return false;
    }
    const DWORD result = ::WaitForSingleObject(mutex_.get(), waitMs);
    first_ = result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
    return first_;
}

}  // namespace orvane::win
