#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "common/win/FileChecks.h"
#include "common/win/Handles.h"
#include "common/win/UserLocale.h"
#include "settings/win/DataPaths.h"
#include "settings_test_folder.h"

namespace orvane::win {
namespace {

std::wstring UserDataFolder() {
    wchar_t appData[MAX_PATH + 1] = {};
    ::SHGetSpecialFolderPathW(nullptr, appData, CSIDL_APPDATA, FALSE);
    return IncludeTrailingBackslash(appData) + L"Velmoria\\";
}

// Everything below a folder, or a mark that it does not exist.
std::set<std::wstring> Listing(const std::wstring& folder) {
    std::set<std::wstring> entries;
    std::error_code error;
    if (!std::filesystem::exists(folder, error)) {
        entries.insert(L"<none>");
        return entries;
    }
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        entries.insert(entry.path().wstring());
    }
    return entries;
}

void Touch(const std::wstring& path) {
    std::ofstream(std::filesystem::path(path)) << "";
}

TEST(DataPathsTest, PortableUseKeepsEverythingBesideTheExecutable) {
    SettingsTestFolder exe;
    Touch(exe.Path() + L"Orvane.Settings");
    const auto userDataBefore = Listing(UserDataFolder());

    DataPaths paths(exe.Path());
    EXPECT_EQ(paths.GetIniFile(), exe.Path() + L"Orvane.Settings");
    EXPECT_TRUE(paths.IsLocalSettings());
    EXPECT_EQ(paths.GetLogFile(), exe.Path() + L"Orvane.log");
    EXPECT_EQ(paths.GetAppDataPath(false), exe.Path());
    EXPECT_EQ(paths.GetAppDataPath(true), exe.Path() + L"Themes\\");
    EXPECT_TRUE(DirectoryExists(exe.Path() + L"Themes"));

    EXPECT_EQ(Listing(UserDataFolder()), userDataBefore);
}

TEST(DataPathsTest, WithoutALocalFileTheUserDataFolderIsUsedAndCreated) {
    SettingsTestFolder exe;
    const std::wstring data = UserDataFolder() + L"Orvane\\";
    // Leave the shared test prefix as it was found.
    const bool hadUserData = std::filesystem::exists(UserDataFolder());
    const ScopeExit cleanUp([hadUserData] {
        std::error_code ignored;
        if (!hadUserData) {
            std::filesystem::remove_all(UserDataFolder(), ignored);
        }
    });

    // The executable folder given without its backslash.
    DataPaths paths(exe.Path().substr(0, exe.Path().size() - 1));
    EXPECT_EQ(paths.GetIniFile(), data + L"Orvane.Settings");
    EXPECT_FALSE(paths.IsLocalSettings());
    EXPECT_TRUE(DirectoryExists(data));
    EXPECT_EQ(paths.GetAppDataPath(true), data + L"Themes\\");
    EXPECT_TRUE(DirectoryExists(data + L"Themes"));
    EXPECT_EQ(paths.GetLogFile(), data + L"Orvane.log");

    // A log beside the executable is used even without the local settings file.
    Touch(exe.Path() + L"Orvane.log");
    EXPECT_EQ(paths.GetLogFile(), exe.Path() + L"Orvane.log");
    EXPECT_FALSE(paths.IsLocalSettings());
}

TEST(DataPathsTest, ExecutableFolderEndsWithABackslash) {
    const std::wstring folder = ExecutableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), L'\\');
    EXPECT_TRUE(DirectoryExists(folder));
}

TEST(FileChecksTest, DriveTest) {
    SettingsTestFolder folder;
    const std::wstring path = folder.Path();
    ASSERT_GE(path.size(), 3u);
    EXPECT_TRUE(DriveAvailable(path));
    std::wstring lower = path;
    ASSERT_TRUE(lower[0] >= L'A' && lower[0] <= L'Z');
    lower[0] = static_cast<wchar_t>(lower[0] - L'A' + L'a');
    EXPECT_TRUE(DriveAvailable(lower));
    EXPECT_TRUE(DirectoryExists(lower));
    EXPECT_TRUE(DriveAvailable(L"\\\\server\\share\\file"));
    EXPECT_FALSE(DriveAvailable(L""));
    EXPECT_FALSE(DriveAvailable(L"1:\\x"));
    EXPECT_FALSE(DriveAvailable(L"relative\\path"));
    EXPECT_FALSE(FileExists(L""));
}

TEST(FileChecksTest, FileAndFolderExistence) {
    SettingsTestFolder folder;
    Touch(folder.Path() + L"file.txt");
    EXPECT_TRUE(FileExists(folder.Path() + L"file.txt"));
    EXPECT_FALSE(DirectoryExists(folder.Path() + L"file.txt"));
    EXPECT_TRUE(DirectoryExists(folder.Path()));
    EXPECT_FALSE(FileExists(folder.Path()));
    EXPECT_FALSE(FileExists(folder.Path() + L"none.txt"));
    EXPECT_FALSE(DirectoryExists(folder.Path() + L"none"));
}

TEST(FileChecksTest, IncludeTrailingBackslashAddsOnlyOne) {
    EXPECT_EQ(IncludeTrailingBackslash(L"C:\\a"), L"C:\\a\\");
    EXPECT_EQ(IncludeTrailingBackslash(L"C:\\a\\"), L"C:\\a\\");
    EXPECT_EQ(IncludeTrailingBackslash(L""), L"\\");
}

TEST(UserLocaleTest, SeparatorsComeFromTheUserLocale) {
    const NumberSeparators separators = UserNumberSeparators();
    wchar_t decimal[16] = {};
    ::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, decimal, 16);
    EXPECT_EQ(separators.Decimal, decimal);
    EXPECT_FALSE(separators.Decimal.empty());
}

}  // namespace
}  // namespace orvane::win
