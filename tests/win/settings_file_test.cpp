#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "common/core/AppError.h"
#include "common/win/Handles.h"
#include "settings/win/SettingsFile.h"
#include "settings_test_folder.h"

namespace orvane::win {
namespace {

using namespace std::chrono_literals;

// What another program (a virus scanner, a sync tool) does: holds the file open, sharing nothing.
UniqueKernelHandle HoldWithoutSharing(const std::wstring& path) {
    UniqueKernelHandle held(::CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
    EXPECT_TRUE(held) << ::GetLastError();
    return held;
}

// A user's file: values of their own, a section and a key the program does not own.
const std::string kUserFile =
    "[General]\r\nRefreshRate=500\r\nLogFile=D:\\logs\\mem.log\r\n"
    "[Colors]\r\nRedColor=0000FF\r\n"
    "[\xd7\xd4\xb6\xa8\xd2\xe5\xd1\xd5\xc9\xab]\r\nColorA=FFC0C0\r\n";  // "自定义颜色" in GBK

OrvaneOptions LoadFrom(SettingsFile& file) {
    return file.Load(L"C:\\default.log", FontSpec{});
}

TEST(SettingsFileTest, FileHeldAtLoadStaysUntouchedForTheRun) {
    SettingsTestFolder folder;
    const std::wstring path = folder.Path() + L"Orvane.Settings";
    WriteBytes(path, kUserFile);
    SettingsFile file(path, 300ms);
    {
        const UniqueKernelHandle held = HoldWithoutSharing(path);
        const OrvaneOptions options = LoadFrom(file);
        EXPECT_EQ(options.RefreshRate, 2000) << "the defaults apply";
        EXPECT_TRUE(file.Unreadable());
        EXPECT_TRUE(file.WritablePath().empty()) << "no other part writes into it either";
    }
    // Released later: a save (session end, OK in the options) still must not overwrite it.
    OrvaneOptions changed;
    changed.RefreshRate = 750;
    file.Save(changed);
    EXPECT_EQ(FileBytes(path), kUserFile);
}

TEST(SettingsFileTest, FileHeldBrieflyAtLoadIsReadOnceFree) {
    SettingsTestFolder folder;
    const std::wstring path = folder.Path() + L"Orvane.Settings";
    WriteBytes(path, kUserFile);
    UniqueKernelHandle held = HoldWithoutSharing(path);
    std::thread release([&held] {
        std::this_thread::sleep_for(300ms);
        held.reset();
    });
    SettingsFile file(path, 5000ms);
    const OrvaneOptions options = LoadFrom(file);
    release.join();
    EXPECT_EQ(options.RefreshRate, 500);
    EXPECT_EQ(options.LogFile, L"D:\\logs\\mem.log");
    EXPECT_FALSE(file.Unreadable());
    EXPECT_EQ(file.WritablePath(), path);
}

TEST(SettingsFileTest, MissingFileAndFolderInItsPlace) {
    SettingsTestFolder folder;
    const std::wstring missing = folder.Path() + L"Orvane.Settings";
    SettingsFile absent(missing, 300ms);
    EXPECT_EQ(LoadFrom(absent).RefreshRate, 2000);
    EXPECT_FALSE(absent.Unreadable()) << "no file is not an unreadable file";
    absent.Save(OrvaneOptions{});
    EXPECT_NE(FileBytes(missing).find("FullBarColor=Automatic\r\n"), std::string::npos);

    const std::wstring folderPath = folder.Path() + L"AFolder";
    std::filesystem::create_directory(std::filesystem::path(folderPath));
    SettingsFile directory(folderPath, 300ms);
    EXPECT_EQ(LoadFrom(directory).RefreshRate, 2000);
    EXPECT_TRUE(directory.Unreadable());
    directory.Save(OrvaneOptions{});
    EXPECT_TRUE(std::filesystem::is_directory(std::filesystem::path(folderPath)));
}

// A save that fails part-way leaves the file byte for byte as it was, names the file in its
// error and leaves nothing beside it; the next save that succeeds keeps what the program does not
// own.
TEST(SettingsFileTest, FailedSaveLeavesTheFileAsItWas) {
    SettingsTestFolder folder;
    const std::wstring path = folder.Path() + L"Orvane.Settings";
    WriteBytes(path, kUserFile);
    enum class Fault { None, TenthWriteFails, TenthWriteLost, HeldByAnother };
    Fault fault = Fault::None;
    int writes = 0;
    SettingsFile file(path, 300ms,
                      [&](const wchar_t* section, const wchar_t* key, const wchar_t* value,
                          const wchar_t* target) {
                          if (++writes == 10 && fault == Fault::TenthWriteFails) {
                              return false;
                          }
                          // Reported as done, as a write cut short on a full disk may be.
                          if (writes == 10 && fault == Fault::TenthWriteLost) {
                              return true;
                          }
                          return ::WritePrivateProfileStringW(section, key, value, target) != FALSE;
                      });
    OrvaneOptions options = LoadFrom(file);
    options.RefreshRate = 750;
    options.Warn = false;

    for (const Fault f : {Fault::TenthWriteFails, Fault::TenthWriteLost, Fault::HeldByAnother}) {
        fault = f;
        writes = 0;
        UniqueKernelHandle held;
        if (f == Fault::HeldByAnother) {
            held = HoldWithoutSharing(path);
        }
        try {
            file.Save(options);
            ADD_FAILURE() << "the save did not fail";
        } catch (const AppError& error) {
            EXPECT_EQ(error.Message(), L"Unable to write to " + path);
        }
        held.reset();
        EXPECT_EQ(FileBytes(path), kUserFile) << static_cast<int>(f);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1)
            << "a copy was left behind";
    }

    fault = Fault::None;
    file.Save(options);
    const std::string saved = FileBytes(path);
    EXPECT_NE(saved.find("RefreshRate=750\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("Warn=0\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("LogFile=D:\\logs\\mem.log\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\xd7\xd4\xb6\xa8\xd2\xe5\xd1\xd5\xc9\xab]\r\nColorA=FFC0C0\r\n"),
              std::string::npos)
        << saved;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

}  // namespace
}  // namespace orvane::win
