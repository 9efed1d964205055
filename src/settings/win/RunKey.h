#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace orvane::win {

// The registry key whose string values Windows starts at sign-in. Tests point it at a key of
// their own; the program uses the current user's Run key.
class RunKey {
  public:
    static constexpr const wchar_t* kRunKeyPath =
        L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

    explicit RunKey(HKEY root = HKEY_CURRENT_USER, std::wstring path = kRunKeyPath);

    // The value's text, or nothing when it is missing or not a string.
    std::optional<std::wstring> Read(const std::wstring& name) const;
    // False when the key cannot be opened or written.
    bool Write(const std::wstring& name, const std::wstring& value) const;
    // True when the value is gone afterwards (also when it was never there).
    bool Remove(const std::wstring& name) const;

  private:
    HKEY root_;
    std::wstring path_;
};

}  // namespace orvane::win
