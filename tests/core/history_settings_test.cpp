#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "fake_settings_store.h"
#include "history/core/ExtensionSettings.h"
#include "history/core/WindowPlaceValue.h"

namespace orvane {
namespace {

using test::FakeSettingsStore;

TEST(HistorySettingsTest, DefaultsWrittenInKeyOrder) {
    FakeSettingsStore store;
    WriteExtensionOptions(ExtensionOptions{}, store);
    EXPECT_THAT(
        store.writes,
        ::testing::ElementsAre(L"Extensions/LeakWatch=0", L"Extensions/LeakMinutes=30",
                               L"Extensions/LeakGrowthMB=100", L"Extensions/LeakGrowthPercent=50",
                               L"Extensions/TrimReport=0", L"Extensions/HistoryWindow=",
                               L"Extensions/ShowProtectedProcesses=0"));
}

TEST(HistorySettingsTest, NoFileReadsTheDefaultsAndTheyLeaveTheProgramAsItWas) {
    const ExtensionOptions options = ReadExtensionOptions(FakeSettingsStore{});
    EXPECT_EQ(options, ExtensionOptions{});
    EXPECT_FALSE(options.LeakWatch);
    EXPECT_FALSE(options.TrimReport);
    EXPECT_FALSE(options.HistoryWindow);
    EXPECT_FALSE(options.ShowProtectedProcesses);
    EXPECT_EQ(LeakRuleOf(options), (LeakRule{30, 100, 50}));
}

TEST(HistorySettingsTest, ValuesOutsideTheirBoundsReadAsTheDefault) {
    struct Case {
        const wchar_t* key;
        const wchar_t* text;
        std::int32_t minutes, growthMB, growthPercent;
    };
    const Case cases[] = {
        {L"LeakMinutes", L"10", 10, 100, 50},
        {L"LeakMinutes", L"120", 120, 100, 50},
        {L"LeakMinutes", L"9", 30, 100, 50},
        {L"LeakMinutes", L"121", 30, 100, 50},
        {L"LeakMinutes", L"0x3C", 60, 100, 50},
        {L"LeakMinutes", L"-30", 30, 100, 50},
        {L"LeakMinutes", L"", 30, 100, 50},
        {L"LeakMinutes", L"thirty", 30, 100, 50},
        {L"LeakGrowthMB", L"10", 30, 10, 50},
        {L"LeakGrowthMB", L"9", 30, 100, 50},
        {L"LeakGrowthMB", L"1048576", 30, 1048576, 50},
        {L"LeakGrowthMB", L"1048577", 30, 100, 50},
        {L"LeakGrowthMB", L"99999999999", 30, 100, 50},
        {L"LeakGrowthPercent", L"1", 30, 100, 1},
        {L"LeakGrowthPercent", L"0", 30, 100, 50},
        {L"LeakGrowthPercent", L"1000", 30, 100, 1000},
        {L"LeakGrowthPercent", L"1001", 30, 100, 50},
    };
    for (const Case& c : cases) {
        FakeSettingsStore store;
        store.values[{L"Extensions", c.key}] = c.text;
        const ExtensionOptions options = ReadExtensionOptions(store);
        EXPECT_EQ(LeakRuleOf(options), (LeakRule{c.minutes, c.growthMB, c.growthPercent}))
            << c.key << "=" << c.text;
    }
}

TEST(HistorySettingsTest, WhatIsSavedLoadsBack) {
    ExtensionOptions options;
    options.LeakWatch = true;
    options.LeakMinutes = 45;
    options.LeakGrowthMB = 250;
    options.LeakGrowthPercent = 20;
    options.TrimReport = true;
    options.HistoryWindow = Rect{-1200, 40, -400, 520};
    FakeSettingsStore store;
    WriteExtensionOptions(options, store);
    EXPECT_EQ(store.ReadString(L"Extensions", L"HistoryWindow", L""), L"-1200,40,800,480");
    EXPECT_EQ(ReadExtensionOptions(store), options);

    store.values[{L"Extensions", L"LeakWatch"}] = L"2";  // any non-zero number is on
    store.values[{L"Extensions", L"TrimReport"}] = L"yes";
    const ExtensionOptions read = ReadExtensionOptions(store);
    EXPECT_TRUE(read.LeakWatch);
    EXPECT_FALSE(read.TrimReport);
}

TEST(HistorySettingsTest, WindowPlaceText) {
    struct Case {
        const wchar_t* text;
        std::optional<Rect> place;
    };
    const Case cases[] = {
        {L"100,200,640,360", Rect{100, 200, 740, 560}},
        {L" 100 , 200 ,640, 360 ", Rect{100, 200, 740, 560}},
        {L"-32767,+5,32767,1", Rect{-32767, 5, 0, 6}},
        {L"", std::nullopt},
        {L"100,200,640", std::nullopt},
        {L"100,200,640,360,1", std::nullopt},
        {L"100,200,640,360,", std::nullopt},
        {L"100,200,0,360", std::nullopt},
        {L"100,200,640,-360", std::nullopt},
        {L"100,200,32768,360", std::nullopt},
        {L"100,200,0x280,360", std::nullopt},
        {L"100,,640,360", std::nullopt},
        {L"1e2,200,640,360", std::nullopt},
        {L"99999999999999,0,1,1", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseWindowPlace(c.text), c.place) << c.text;
        if (c.place) {
            EXPECT_EQ(ParseWindowPlace(WindowPlaceText(*c.place)), c.place) << c.text;
        }
    }
    FakeSettingsStore store;
    store.values[{L"Extensions", L"HistoryWindow"}] = L"100,200,0,360";
    EXPECT_FALSE(ReadExtensionOptions(store).HistoryWindow);
}

}  // namespace
}  // namespace orvane
