#pragma once

#include <windows.h>

#include <filesystem>
#include <string>

namespace orvane::win {

// A fresh folder under the temporary folder (its name has Chinese in it, so paths must go
// through the wide APIs), removed with its contents at the end of the test.
class SettingsTestFolder {
  public:
    SettingsTestFolder() {
        wchar_t temp[MAX_PATH + 1] = {};
        ::GetTempPathW(MAX_PATH + 1, temp);
        static unsigned counter = 0;
        path_ = std::wstring(temp) + L"设置测试-" + std::to_wstring(::GetCurrentProcessId()) +
                L"-" + std::to_wstring(++counter) + L"\\";
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~SettingsTestFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    SettingsTestFolder(const SettingsTestFolder&) = delete;
    SettingsTestFolder& operator=(const SettingsTestFolder&) = delete;

    // With a trailing backslash.
    const std::wstring& Path() const { return path_; }

  private:
    std::wstring path_;
};

}  // namespace orvane::win
