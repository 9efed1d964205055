#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "common/core/AppError.h"
#include "settings/core/SettingsSchema.h"
#include "settings/win/ProfileFile.h"
#include "settings_test_folder.h"

namespace orvane::win {
namespace {

// A save into a new file, read back byte for byte: "RedPercent" and "YellowPercent" come after
// the font keys, so they end the "General" section.
TEST(ProfileFileTest, NewFileHasTheKeysInSaveOrder) {
    SettingsTestFolder folder;
    const std::wstring path = folder.Path() + L"Orvane.Settings";
    ProfileFile file(path);
    WriteOptions(OrvaneOptions{}, file);
    EXPECT_EQ(FileBytes(path),
              "[General]\r\n"
              "Warn=1\r\n"
              "WarnMsgBox=0\r\n"
              "WriteLog=0\r\n"
              "HighlightProcessAbove=1000\r\n"
              "ShowNameInsteadOfModule=0\r\n"
              "UnifyProcesses=1\r\n"
              "ShowPage=0\r\n"
              "ShowFree=0\r\n"
              "ShowPercentage=0\r\n"
              "ShowPercSign=1\r\n"
              "InternalFont=1\r\n"
              "HintWhatisDisplayed=1\r\n"
              "StandardGauge=1\r\n"
              "BarBottom=0\r\n"
              "TransBk=1\r\n"
              "RefreshRate=2000\r\n"
              "FullBar=1\r\n"
              "RefreshHotkey=0\r\n"
              "ShowWelcomeWindow=1\r\n"
              "ShowTopProcess=1\r\n"
              "TopProcessCount=10\r\n"
              "ShowMemMenu=1\r\n"
              "DefragOnHighMemory=1\r\n"
              "DefragEveryActive=0\r\n"
              "DefragEvery=120\r\n"
              "DoubleClickAction=0\r\n"
              "SwitchOffMonitorOnLock=0\r\n"
              "ClickedDonation=0\r\n"
              "NoWarningSwithOffMonMobile=0\r\n"
              "ProcessValueType=0\r\n"
              "RedPercent=90\r\n"
              "YellowPercent=65\r\n"
              "[Font]\r\n"
              "Name=Tahoma\r\n"
              "CharSet=1\r\n"
              "Size=6\r\n"
              "Style=0\r\n"
              "Color=-1\r\n"
              "[Colors]\r\n"
              "MenuColorMode=-1\r\n"
              "DigitsColored=0\r\n"
              "ProcMenuHightlightColor=Automatic\r\n"
              "OpaqueBkColor=Automatic\r\n"
              "GreenColor=Automatic\r\n"
              "YellowColor=Automatic\r\n"
              "RedColor=Automatic\r\n"
              "FullBarColor=Automatic\r\n");
}

TEST(ProfileFileTest, HandSetLogFileSurvivesASave) {
    SettingsTestFolder folder;
    const std::wstring path = folder.Path() + L"Orvane.Settings";
    WriteBytes(path, "[General]\r\nLogFile=D:\\logs\\mem.log\r\nRefreshRate=fast\r\n");
    ProfileFile file(path);
    OrvaneOptions options = ReadOptions(file, L"C:\\default\\Orvane.log");
    EXPECT_EQ(options.LogFile, L"D:\\logs\\mem.log");
    EXPECT_EQ(options.RefreshRate, 2000);

    options.LogFile = L"C:\\other.log";
    WriteOptions(options, file);
    EXPECT_EQ(file.ReadString(L"General", L"LogFile", L""), L"D:\\logs\\mem.log");
    EXPECT_EQ(file.ReadString(L"General", L"RefreshRate", L""), L"2000");
}

// Values written through the real profile functions read back the same, a Chinese font name
// (in the system's code page) and a value longer than a first read buffer included.
TEST(ProfileFileTest, SaveThenLoadThroughTheFile) {
    SettingsTestFolder folder;
    const std::wstring path = folder.Path() + L"Orvane.Settings";
    OrvaneOptions saved;
    saved.Font = {L"微软雅黑", 134, 9, kFontBold | kFontUnderline, 0};
    saved.FontColor = 0x123456;
    saved.GreenColor = SystemColor(0x12);
    saved.RedColor = 0xC0C0FF;
    saved.RedPercent = 80;
    saved.WriteLog = true;
    saved.LogFile = L"C:\\default\\Orvane.log";
    ProfileFile file(path);
    WriteOptions(saved, file);
    EXPECT_EQ(ReadOptions(file, saved.LogFile), saved);

    const std::wstring longValue(3000, L'x');
    file.WriteString(L"General", L"LogFile", longValue);
    EXPECT_EQ(file.ReadString(L"General", L"LogFile", L""), longValue);
    EXPECT_EQ(file.ReadString(L"General", L"Missing", L"fallback"), L"fallback");
}

TEST(ProfileFileTest, UnwritableFileRaisesTheSaveError) {
    SettingsTestFolder folder;
    const std::wstring path = folder.Path() + L"missing\\folder\\Orvane.Settings";
    ProfileFile file(path);
    try {
        WriteOptions(OrvaneOptions{}, file);
        FAIL() << "the save did not fail";
    } catch (const AppError& error) {
        EXPECT_EQ(error.Message(), L"Unable to write to " + path);
    }
    EXPECT_EQ(::GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
}  // namespace orvane::win
