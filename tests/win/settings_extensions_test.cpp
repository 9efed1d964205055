#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <variant>

#include "history/core/ExtensionSettings.h"
#include "settings/win/SettingsFile.h"
#include "settings_test_folder.h"

namespace orvane::win {
namespace {

// The additions' section, read and written with the settings the way the main window does it.
class ExtensionsFileTest : public ::testing::Test {
  protected:
    ExtensionOptions Load() {
        ExtensionOptions read;
        SettingsFile file(path);
        file.Load(L"C:\\default.log", FontSpec{},
                  [&](const SettingsReader& r) { read = ReadExtensionOptions(r); });
        return read;
    }
    void Save(const ExtensionOptions& extensions) {
        SettingsFile file(path);
        file.Load(L"C:\\default.log", FontSpec{});
        file.Save(OrvaneOptions{},
                  [&](SettingsWriter& w) { WriteExtensionOptions(extensions, w); });
    }

    SettingsTestFolder folder;
    std::wstring path = folder.Path() + L"Orvane.Settings";
};

TEST_F(ExtensionsFileTest, WhatIsSavedLoadsBack) {
    ExtensionOptions changed;
    changed.LeakWatch = true;
    changed.LeakMinutes = 15;
    changed.LeakGrowthMB = 20;
    changed.LeakGrowthPercent = 10;
    changed.TrimReport = true;
    changed.HistoryWindow = Rect{10, 20, 410, 320};
    Save(changed);
    EXPECT_EQ(Load(), changed);
    Save(ExtensionOptions{});
    EXPECT_EQ(Load(), ExtensionOptions{}) << "back to the defaults";
}

// The program's own sections are written byte for byte as without the additions; their section
// follows, keys in order.
TEST_F(ExtensionsFileTest, SectionComesAfterTheProgramsOwnAndLeavesThemAsTheyWere) {
    {
        SettingsFile file(path);
        file.Load(L"C:\\default.log", FontSpec{});
        file.Save(OrvaneOptions{});
    }
    const std::string alone = FileBytes(path);
    std::filesystem::remove(std::filesystem::path(path));
    Save(ExtensionOptions{});
    EXPECT_EQ(FileBytes(path), alone +
                                   "[Extensions]\r\n"
                                   "LeakWatch=0\r\n"
                                   "LeakMinutes=30\r\n"
                                   "LeakGrowthMB=100\r\n"
                                   "LeakGrowthPercent=50\r\n"
                                   "TrimReport=0\r\n"
                                   "HistoryWindow=\r\n"
                                   "ShowProtectedProcesses=0\r\n");
}

TEST_F(ExtensionsFileTest, MissingFileAndValuesOutOfBoundsReadAsTheDefaults) {
    EXPECT_EQ(Load(), ExtensionOptions{}) << "no file";
    std::string text = "[Extensions]\r\nLeakWatch=yes\r\nTrimReport=\r\nHistoryWindow=1,2\r\n";
    for (const ExtensionField& field : ExtensionFields()) {
        if (std::holds_alternative<std::int32_t ExtensionOptions::*>(field.Member)) {
            text += std::string(field.Key.begin(), field.Key.end()) + "=" +
                    std::to_string(static_cast<long long>(field.Max) + 1) + "\r\n";
        }
    }
    WriteBytes(path, text);
    EXPECT_EQ(Load(), ExtensionOptions{}) << text;
    WriteBytes(path, "[Extensions]\r\nLeakMinutes=-1\r\nLeakGrowthMB=0\r\nLeakGrowthPercent=x\r\n");
    EXPECT_EQ(Load(), ExtensionOptions{});
}

}  // namespace
}  // namespace orvane::win
