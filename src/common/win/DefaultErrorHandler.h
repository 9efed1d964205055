#pragma once

#include <functional>
#include <string>

namespace orvane::win {

// Runs an event handler. An error it raises ends it and is shown in a message box; the
// program goes on.
void RunEventHandler(const std::function<void()>& handler) noexcept;

// The application's error message box: the message, ended with a full stop, under the
// program's title.
void ShowException(const std::wstring& message);

}  // namespace orvane::win
