#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "settings/core/SettingsStore.h"

namespace orvane::win {

// The profile-string write (WritePrivateProfileStringW); tests put in one that fails. Empty: the
// system's.
using ProfileWriteCall = std::function<bool(const wchar_t* section, const wchar_t* key,
                                            const wchar_t* value, const wchar_t* file)>;

// An INI file read and written through the system's profile-string functions, which keep the
// file's existing layout and append new keys at the end of their section.
class ProfileFile : public SettingsReader, public SettingsWriter {
  public:
    explicit ProfileFile(std::wstring path, ProfileWriteCall write = {})
        : path_(std::move(path)), write_(std::move(write)) {}

    std::wstring ReadString(std::wstring_view section, std::wstring_view key,
                            std::wstring_view defaultValue) const override;

    // Throws AppError "Unable to write to <path>" when the write fails.
    void WriteString(std::wstring_view section, std::wstring_view key,
                     std::wstring_view value) override;

    const std::wstring& Path() const { return path_; }

  private:
    std::wstring path_;
    ProfileWriteCall write_;
};

}  // namespace orvane::win
