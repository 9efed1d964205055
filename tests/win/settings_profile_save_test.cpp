#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "common/core/AppError.h"
#include "settings/win/ProfileSave.h"
#include "settings_test_folder.h"

namespace orvane::win {
namespace {

std::size_t FilesIn(const std::wstring& folder) {
    return static_cast<std::size_t>(
        std::distance(std::filesystem::directory_iterator(std::filesystem::path(folder)), {}));
}

const std::string kUserFile = "[General]\r\nRefreshRate=500\r\n[Mine]\r\nKept=1\r\n";

void WriteRate(SettingsWriter& file) {
    file.WriteString(L"General", L"RefreshRate", L"750");
}

// A settings file whose path is just short enough: the copy beside it must not be longer.
TEST(ProfileSave, APathNearTheLimitIsSaved) {
    SettingsTestFolder root;
    const std::wstring name = L"Orvane.Settings";
    const std::size_t folderLength = MAX_PATH - 1 - name.size() - 2;  // 2 to spare
    const std::wstring folder =
        root.Path() + std::wstring(folderLength - root.Path().size() - 1, L'd') + L"\\";
    ASSERT_TRUE(::CreateDirectoryW(folder.c_str(), nullptr)) << ::GetLastError();
    const std::wstring path = folder + name;
    ASSERT_LT(path.size(), std::size_t{MAX_PATH});
    WriteBytes(path, kUserFile);
    SaveProfileThroughCopy(path, WriteRate);
    EXPECT_EQ(FileBytes(path), "[General]\r\nRefreshRate=750\r\n[Mine]\r\nKept=1\r\n");
    EXPECT_EQ(FilesIn(folder), 1u) << "a copy was left behind";
}

// A folder that takes no new file: the file itself is written, and checked as a copy is.
TEST(ProfileSave, WithoutRoomForACopyTheFileItselfIsWritten) {
    SettingsTestFolder folder;
    const std::wstring path = folder.Path() + L"Orvane.Settings";
    WriteBytes(path, kUserFile);
    const ProfileCopyMaker noCopy = [](const std::wstring&) { return std::wstring(); };
    SaveProfileThroughCopy(path, WriteRate, {}, noCopy);
    EXPECT_EQ(FileBytes(path), "[General]\r\nRefreshRate=750\r\n[Mine]\r\nKept=1\r\n");
    EXPECT_EQ(FilesIn(folder.Path()), 1u);

    // A write the disk lost is still reported.
    const ProfileWriteCall lost = [](const wchar_t*, const wchar_t*, const wchar_t*,
                                     const wchar_t*) { return true; };
    try {
        SaveProfileThroughCopy(
            path, [](SettingsWriter& file) { file.WriteString(L"General", L"Warn", L"0"); }, lost,
            noCopy);
        ADD_FAILURE() << "the save did not fail";
    } catch (const AppError& error) {
        EXPECT_EQ(error.Message(), L"Unable to write to " + path);
    }
}

}  // namespace
}  // namespace orvane::win
