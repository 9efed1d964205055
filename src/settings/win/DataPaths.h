#pragma once

#include <string>

namespace orvane::win {

// The folder of the running executable, with a trailing backslash.
std::wstring ExecutableFolder();

// Where the settings file, the log and the theme files live: the per-user application data
// folder "Velmoria\Orvane\", or the executable's folder when the settings file lies beside the
// executable (portable use).
class DataPaths {
  public:
    // `exeFolder` stands for the executable's folder; tests point it elsewhere.
    explicit DataPaths(std::wstring exeFolder = ExecutableFolder());

    // The settings file; decides IsLocalSettings. Ask it before any other path.
    std::wstring GetIniFile();

    // The data folder, or its "Themes\" folder, with a trailing backslash; created if missing.
    std::wstring GetAppDataPath(bool addThemeDir) const;

    // The default path of the high-memory log: "Orvane.log" beside the executable if it is
    // there, else in the data folder.
    std::wstring GetLogFile() const;

    bool IsLocalSettings() const { return isLocalSettings_; }

  private:
    std::wstring exeFolder_;
    bool isLocalSettings_ = false;
};

}  // namespace orvane::win
