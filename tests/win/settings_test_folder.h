#pragma once

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
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

// A file's bytes, and writing bytes to a file, through wide paths.
inline std::string FileBytes(const std::wstring& path) {
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

inline void WriteBytes(const std::wstring& path, const std::string& bytes) {
    std::ofstream(std::filesystem::path(path), std::ios::binary) << bytes;
}

}  // namespace orvane::win
