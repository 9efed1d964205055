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

bool NotifyRunningCopy(const wchar_t* className, UINT msg, DWORD waitMs) {
    const ULONGLONG deadline = ::GetTickCount64() + waitMs;
    for (;;) {
        if (HWND running = ::FindWindowW(className, nullptr)) {
            return ::PostMessageW(running, msg, 0, 0) != FALSE;
        }
        if (::GetTickCount64() >= deadline) {
            return false;
        }
        ::Sleep(50);
    }
}

}  // namespace orvane::win
