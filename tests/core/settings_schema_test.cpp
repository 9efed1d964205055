#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "fake_settings_store.h"
#include "settings/core/SettingsSchema.h"

namespace orvane {
namespace {

using test::FakeSettingsStore;

const std::wstring kLogFile = LR"(C:\Users\u\AppData\Roaming\Velmoria\Orvane\Orvane.log)";

TEST(SettingsSchemaTest, DefaultsWrittenInFileOrder) {
    FakeSettingsStore store;
    WriteOptions(OrvaneOptions{}, store);
    EXPECT_THAT(
        store.writes,
        ::testing::ElementsAre(
            L"General/Warn=1", L"General/WarnMsgBox=0", L"General/WriteLog=0",
            L"General/HighlightProcessAbove=1000", L"General/ShowNameInsteadOfModule=0",
            L"General/UnifyProcesses=1", L"General/ShowPage=0", L"General/ShowFree=0",
            L"General/ShowPercentage=0", L"General/ShowPercSign=1", L"General/InternalFont=1",
            L"General/HintWhatisDisplayed=1", L"General/StandardGauge=1", L"General/BarBottom=0",
            L"General/TransBk=1", L"General/RefreshRate=2000", L"General/FullBar=1",
            L"General/RefreshHotkey=0", L"General/ShowWelcomeWindow=1", L"General/ShowTopProcess=1",
            L"General/TopProcessCount=10", L"General/ShowMemMenu=1",
            L"General/DefragOnHighMemory=1", L"General/DefragEveryActive=0",
            L"General/DefragEvery=120", L"General/DoubleClickAction=0",
            L"General/SwitchOffMonitorOnLock=0", L"General/ClickedDonation=0",
            L"General/NoWarningSwithOffMonMobile=0", L"General/ProcessValueType=0",
            L"Font/Name=Tahoma", L"Font/CharSet=1", L"Font/Size=6", L"Font/Style=0",
            L"Font/Color=-1", L"General/RedPercent=90", L"General/YellowPercent=65",
            L"Colors/MenuColorMode=-1", L"Colors/DigitsColored=0",
            L"Colors/ProcMenuHightlightColor=Automatic", L"Colors/OpaqueBkColor=Automatic",
            L"Colors/GreenColor=Automatic", L"Colors/YellowColor=Automatic",
            L"Colors/RedColor=Automatic", L"Colors/FullBarColor=Automatic"));
}

TEST(SettingsSchemaTest, EmptyFileReadsTheDefaults) {
    OrvaneOptions expected;
    expected.LogFile = kLogFile;
    EXPECT_EQ(ReadOptions(FakeSettingsStore{}, kLogFile), expected);
}

TEST(SettingsSchemaTest, FontKeysDefaultToTheCurrentFont) {
    FakeSettingsStore store;
    store.values[{L"Font", L"Size"}] = L"9";
    const FontSpec current{L"Arial", 134, 8, kFontBold, 0x123456};
    const OrvaneOptions options = ReadOptions(store, kLogFile, current);
    EXPECT_EQ(options.Font, (FontSpec{L"Arial", 134, 9, kFontBold, 0x123456}));
    EXPECT_EQ(options.FontColor, kAutomaticColor);
}

// A size the font dialog does not offer (1 to 72 points) would make a huge font for a 16-pixel
// icon: it reads as the current font's size.
TEST(SettingsSchemaTest, FontSizeOutsideTheDialogsRangeReadsAsTheCurrentSize) {
    const FontSpec current{L"Tahoma", 1, 6, 0, 0};
    for (const auto& [text, size] : std::vector<std::pair<std::wstring, int>>{
             {L"1", 1}, {L"72", 72}, {L"0", 6}, {L"-8", 6}, {L"73", 6}, {L"5000", 6}}) {
        FakeSettingsStore store;
        store.values[{L"Font", L"Size"}] = text;
        EXPECT_EQ(ReadOptions(store, kLogFile, current).Font.Size, size) << text;
    }
}

// Every field set away from its default: what is saved reads back the same.
TEST(SettingsSchemaTest, SaveThenLoadKeepsEveryField) {
    OrvaneOptions saved;
    saved.Warn = false;
    saved.ShowPage = true;
    saved.ShowFree = true;
    saved.ShowPercentage = true;
    saved.YellowPercent = 50;
    saved.RedPercent = 85;
    saved.Font = {L"微软雅黑", 134, 11, kFontBold | kFontItalic, 0};
    saved.ShowPercSign = false;
    saved.InternalFont = false;
    saved.TransBk = false;
    saved.BarBottom = true;
    saved.HintWhatisDisplayed = false;
    saved.StandardGauge = false;
    saved.FontColor = 0x00FF00;
    saved.OpaqueBkColor = SystemColor(0x0F);
    saved.GreenColor = 0x010203;
    saved.YellowColor = 0x00FFFF;
    saved.RedColor = 0x0000FF;
    saved.RefreshRate = 500;
    saved.FullBar = false;
    saved.FullBarColor = SystemColor(0x18);
    saved.RefreshHotkey = 0x4000 | 0x4D;
    saved.ShowTopProcess = false;
    saved.TopProcessCount = 20;
    saved.ShowMemMenu = false;
    saved.DefragOnHighMemory = false;
    saved.DefragEveryActive = true;
    saved.DefragEvery = 30;
    saved.DoubleClickAction = 3;
    saved.SwitchOffMonitorOnLock = true;
    saved.WarnMsgBox = true;
    saved.HighlightProcessAbove = 0;
    saved.ProcMenuHightlightColor = 0xABCDEF;
    saved.ClickedDonation = true;
    saved.NoWarningSwithOffMonMobile = true;
    saved.ShowNameInsteadOfModule = true;
    saved.ProcessValueType = 2;
    saved.UnifyProcesses = false;
    saved.ShowWelcomeWindow = false;
    saved.WriteLog = true;
    saved.LogFile = kLogFile;
    saved.MenuColorMode = 1;
    saved.DigitsColored = true;
    ASSERT_FALSE(saved == OrvaneOptions{});

    FakeSettingsStore store;
    WriteOptions(saved, store);
    EXPECT_EQ(ReadOptions(store, kLogFile), saved);
}

TEST(SettingsSchemaTest, LogFileIsReadButNeverWritten) {
    FakeSettingsStore store;
    store.values[{L"General", L"LogFile"}] = LR"(D:\logs\mem.log)";
    OrvaneOptions options = ReadOptions(store, kLogFile);
    EXPECT_EQ(options.LogFile, LR"(D:\logs\mem.log)");

    options.LogFile = LR"(E:\elsewhere.log)";
    WriteOptions(options, store);
    EXPECT_EQ(store.values[(std::pair<std::wstring, std::wstring>{L"General", L"LogFile"})],
              LR"(D:\logs\mem.log)");
    for (const std::wstring& write : store.writes) {
        EXPECT_EQ(write.find(L"LogFile"), std::wstring::npos) << write;
    }
}

TEST(SettingsSchemaTest, UnreadableValuesFallBackPerKey) {
    FakeSettingsStore store;
    const std::vector<std::pair<std::pair<std::wstring, std::wstring>, std::wstring>> file = {
        {{L"General", L"Warn"}, L"0"},
        {{L"General", L"ShowPage"}, L"yes"},           // not a number: default false
        {{L"General", L"TransBk"}, L"0x0"},            // hexadecimal zero
        {{L"General", L"RefreshRate"}, L"fast"},       // default 2000
        {{L"General", L"TopProcessCount"}, L""},       // empty: default 10
        {{L"General", L"RedPercent"}, L"$50"},         // 80
        {{L"General", L"DefragEvery"}, L"-3"},         // taken as read
        {{L"General", L"LogFile"}, L""},               // no path: the default log
        {{L"Font", L"Name"}, L""},                     // no name: the current font's
        {{L"Font", L"Color"}, L"0xFF"},                // FontColor 255
        {{L"Colors", L"GreenColor"}, L"automatic"},    // unreadable colour text: automatic
        {{L"Colors", L"RedColor"}, L"#FF0000"},        // red
        {{L"Colors", L"YellowColor"}, L"ButtonFace"},  // not a system colour name
        {{L"Colors", L"FullBarColor"}, L"InfoText"},
        {{L"Colors", L"MenuColorMode"}, L"0"},
    };
    for (const auto& [key, value] : file) {
        store.values[key] = value;
    }
    OrvaneOptions expected;
    expected.Warn = false;
    expected.TransBk = false;
    expected.RedPercent = 80;
    expected.DefragEvery = -3;
    expected.LogFile = kLogFile;
    expected.FontColor = 0xFF;
    expected.RedColor = RgbColor(255, 0, 0);
    expected.FullBarColor = SystemColor(0x17);
    expected.MenuColorMode = 0;
    EXPECT_EQ(ReadOptions(store, kLogFile), expected);
}

TEST(SettingsSchemaTest, SaveStopsAtTheFailingKey) {
    FakeSettingsStore store;
    store.failAtKey = L"CharSet";
    EXPECT_THROW(WriteOptions(OrvaneOptions{}, store), std::runtime_error);
    ASSERT_FALSE(store.writes.empty());
    EXPECT_EQ(store.writes.back(), L"Font/Name=Tahoma");
}

TEST(SettingsSchemaTest, EveryKeyOnce) {
    std::map<std::pair<std::wstring_view, std::wstring_view>, int> seen;
    for (const SettingField& field : SettingFields()) {
        const int count = ++seen[{field.Section, field.Key}];
        EXPECT_EQ(count, 1) << std::wstring(field.Section) << L"/" << std::wstring(field.Key);
    }
    // 43 fields: the font object stands for four keys.
    EXPECT_EQ(SettingFields().size(), 43u - 1u + 4u);
}

}  // namespace
}  // namespace orvane
