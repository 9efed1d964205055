#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "settings/core/SettingsStore.h"

namespace orvane::win {

// An INI file read and written through the system's profile-string functions, which keep the
// file's existing layout and append new keys at the end of their section.
class ProfileFile : public SettingsReader, public SettingsWriter {
  public:
    explicit ProfileFile(std::wstring path) : path_(std::move(path)) {}

    std::wstring ReadString(std::wstring_view section, std::wstring_view key,
                            std::wstring_view defaultValue) const override;

    // Throws AppError "Unable to write to <path>" when the write fails.
    void WriteString(std::wstring_view section, std::wstring_view key,
                     std::wstring_view value) override;

    const std::wstring& Path() const { return path_; }

  private:
    std::wstring path_;
};

}  // namespace orvane::win
