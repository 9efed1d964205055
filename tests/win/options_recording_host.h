#pragma once

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "options/win/OptionsHost.h"
#include "settings/core/SettingsSchema.h"
#include "settings/win/DataPaths.h"
#include "settings/win/ProfileFile.h"

namespace orvane::win {

// The main form's side, recording what the dialog asked of it; saves go through the real
// profile functions.
class RecordingHost final : public OptionsHost {
  public:
    explicit RecordingHost(std::wstring folder)
        : folder_(std::move(folder)), file_(folder_ + L"Orvane.Settings"), paths_(folder_) {
        // Settings beside the "executable": the themes live in this folder too.
        std::ofstream(std::filesystem::path(file_)).flush();
        paths_.GetIniFile();
    }
    OrvaneOptions& Options() override { return options; }
    HWND MainWindowHandle() const override { return nullptr; }
    std::wstring SettingsFile() const override { return file_; }
    const DataPaths& Paths() const override { return paths_; }
    void SaveOptions() override {
        ProfileFile file(file_);
        WriteOptions(options, file);
        ++saves;
    }
    void ShowLogCommand(bool visible) override { logCommand = visible; }
    void RemoveTrayItems(int tag) override { removedTags.insert(tag); }
    void SetSamplingInterval(int milliseconds) override { interval = milliseconds; }
    void RedrawIcon() override { ++redraws; }
    void UpdateShortCut() override { ++shortcutUpdates; }
    void InitDefaultMenu() override { ++defaultMenuUpdates; }

    std::wstring Read(const wchar_t* section, const wchar_t* key) const {
        return ProfileFile(file_).ReadString(section, key, L"<missing>");
    }

    OrvaneOptions options;
    int saves = 0, redraws = 0, shortcutUpdates = 0, defaultMenuUpdates = 0, interval = 0;
    bool logCommand = false;
    std::set<int> removedTags;

  private:
    std::wstring folder_;
    std::wstring file_;
    DataPaths paths_;
};

}  // namespace orvane::win
