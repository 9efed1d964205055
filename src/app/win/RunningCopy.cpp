#include "app/win/RunningCopy.h"

namespace orvane::win {

namespace {

// A running copy busy for longer than this (a slow trim) is treated as not answering this time.
constexpr UINT kAnswerTimeoutMs = 2000;
constexpr DWORD kPollMs = 50;

}  // namespace

UINT RunningCopyMessage() {
    static const UINT message = ::RegisterWindowMessageW(L"Velmoria.Orvane.Command");
    return message;
}

bool SendToRunningCopy(const wchar_t* className, RunningCopyCommand command) {
    HWND running = ::FindWindowW(className, nullptr);
    DWORD_PTR answer = 0;
    return running &&
           ::SendMessageTimeoutW(running, RunningCopyMessage(), static_cast<WPARAM>(command), 0,
                                 SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &answer) &&
           static_cast<LRESULT>(answer) == kCommandAccepted;
}

Handing HandToRunningCopy(SingleInstance& instance, const wchar_t* className,
                          RunningCopyCommand command, DWORD waitMs) {
    const ULONGLONG deadline = ::GetTickCount64() + waitMs;
    for (;;) {
        if (instance.TakeOver(0)) {
            return Handing::TookOver;
        }
        // Sent, not posted: only an answer tells that a copy that stays has the command.
        if (SendToRunningCopy(className, command)) {
            return Handing::Accepted;
        }
        if (::GetTickCount64() >= deadline) {
            return Handing::NoAnswer;
        }
        if (instance.TakeOver(kPollMs)) {
            return Handing::TookOver;
        }
    }
}

}  // namespace orvane::win
