#pragma once

#include <exception>
#include <string>
#include <utility>

namespace orvane {

// An error raised by an event handler. It ends that handler; the application's default
// handler shows `Message()` in a message box and the program keeps running.
class AppError : public std::exception {
  public:
    explicit AppError(std::wstring message) : message_(std::move(message)) {}
    const std::wstring& Message() const { return message_; }
    const char* what() const noexcept override { return "orvane::AppError"; }

  private:
    std::wstring message_;
};

}  // namespace orvane
