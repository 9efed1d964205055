#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "fake_settings_store.h"
#include "options/core/CustomColors.h"
#include "options/core/PendingColors.h"
#include "options/core/PickerColors.h"
#include "options/core/ThemeFile.h"
#include "options/core/ThemeName.h"

namespace orvane {
namespace {

using test::FakeSettingsStore;

TEST(CleanThemeNameTest, MakesAFileNameThatListsAsSaved) {
    struct Case {
        std::wstring Typed;
        std::wstring Cleaned;
    };
    const Case cases[] = {
        {L"a/b:c", L"a_b_c"},
        {L"|<>?*:/\\\"", L"_________"},
        {L"Tab\there", L"Tab_here"},
        {L"Night", L"Night"},
        {L"夜间 主题", L"夜间 主题"},
        // The file name always goes on with ".Orvane Theme": trailing dots and blanks stay.
        {L"x. ", L"x. "},
        {L"x . .", L"x . ."},
        {L"Night.", L"Night."},
        {L" lead", L" lead"},
        {L"...", L"..."},
        {L"   ", L"   "},
        {L"CON", L"_CON"},
        {L"con", L"_con"},
        {L"Nul.theme", L"_Nul.theme"},
        {L"AUX .x", L"_AUX .x"},
        {L"prn.", L"_prn."},
        {L"COM1", L"_COM1"},
        {L"lpt9", L"_lpt9"},
        {L"COM\u00B9", L"_COM\u00B9"},
        {L"COM0", L"COM0"},
        {L"COM10", L"COM10"},
        {L"CONSOLE", L"CONSOLE"},
        {L"MyCON", L"MyCON"},
        {L"CON:", L"CON_"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CleanThemeName(c.Typed), c.Cleaned) << c.Typed;
    }
}

TEST(CleanThemeNameTest, CutsLongNamesTo255) {
    EXPECT_EQ(CleanThemeName(std::wstring(300, L'a')), std::wstring(255, L'a'));
    EXPECT_EQ(CleanThemeName(std::wstring(256, L'a')).size(), 255u);
    EXPECT_EQ(CleanThemeName(std::wstring(255, L'a')).size(), 255u);
    // A cut never splits a surrogate pair.
    EXPECT_EQ(CleanThemeName(std::wstring(250, L'a') + std::wstring(50, L'.') + L"z"),
              std::wstring(250, L'a') + std::wstring(5, L'.'));
    EXPECT_EQ(
        CleanThemeName(std::wstring(254, L'a') + std::wstring{wchar_t(0xD83D), wchar_t(0xDE00)}),
        std::wstring(254, L'a'));
    // A device name keeps its guard however long the rest is.
    EXPECT_EQ(CleanThemeName(L"CON." + std::wstring(300, L'b')).substr(0, 5), L"_CON.");
}

TEST(PendingColorsTest, ValueTextsOfAllEightEntries) {
    ThemeColors colors;
    colors.MenuMode = 1;
    colors.TopProcessHighlight = RgbColor(0xFF, 0x80, 0x00);
    colors.FontColor = RgbColor(0xFF, 0xFF, 0xFF);
    colors.BackgroundColor = kAutomaticColor;
    colors.BarColor = SystemColor(15);
    colors.GreenColor = RgbColor(0, 0x80, 0);
    colors.YellowColor = kAutomaticColor;
    colors.RedColor = RgbColor(0x12, 0x34, 0x56);
    const PendingColorTexts texts = PendingFromColors(colors);
    EXPECT_THAT(texts, ::testing::ElementsAre(L"1", L"FF8000", L"FFFFFF", L"-1", L"ThreeDFace",
                                              L"008000", L"-1", L"123456"));
    EXPECT_EQ(ColorsFromPending(texts), colors);

    EXPECT_THAT(PendingFromColors(ThemeColors{}), ::testing::Each(L"-1"));
    EXPECT_THAT(PendingDefaults(), ::testing::Each(L"-1"));
    EXPECT_EQ(ColorsFromPending(PendingDefaults()), ThemeColors{});
}

TEST(PendingColorsTest, UnusableTextsReadAsAutomatic) {
    const std::pair<std::wstring, int> modes[] = {{L"-1", -1},  {L"0", 0},   {L"1", 1},
                                                  {L"abc", -1}, {L"7", -1},  {L"-2", -1},
                                                  {L"", -1},    {L"1x", -1}, {L"99999999999", -1}};
    for (const auto& [text, mode] : modes) {
        EXPECT_EQ(MenuModeFromText(text), mode) << text;
    }
    const std::pair<std::wstring, ColorValue> colors[] = {
        {L"-1", kAutomaticColor},         {L"FF8000", RgbColor(0xFF, 0x80, 0)},
        {L"ThreeDFace", SystemColor(15)}, {L"Orange", kAutomaticColor},
        {L"12", kAutomaticColor},         {L"", kAutomaticColor}};
    for (const auto& [text, color] : colors) {
        EXPECT_EQ(ColorFromValueText(text), color) << text;
    }
}

TEST(ThemeFileTest, WritesTheKeysInOrder) {
    FakeSettingsStore file;
    ThemeValues night;
    night.Texts = {L"1", L"-1", L"FFFFFF", L"-1", L"ThreeDFace", L"-1", L"-1", L"-1"};
    night.Transparent = true;
    night.FullBar = false;
    WriteTheme(file, L"Night", night);
    EXPECT_THAT(
        file.writes,
        ::testing::ElementsAre(L"OrvaneTheme/Ver=40", L"OrvaneTheme/Name=Night",
                               L"OrvaneTheme/MenuMode=1", L"OrvaneTheme/TopProcessHighlight=-1",
                               L"OrvaneTheme/FontColor=FFFFFF", L"OrvaneTheme/BackgroundColor=-1",
                               L"OrvaneTheme/BarColor=ThreeDFace", L"OrvaneTheme/GreenColor=-1",
                               L"OrvaneTheme/YellowColor=-1", L"OrvaneTheme/RedColor=-1",
                               L"OrvaneTheme/Transparent=1", L"OrvaneTheme/BarOpaqueBackground=0"));
    EXPECT_EQ(ReadTheme(file), night);

    FakeSettingsStore failing;
    failing.failAtKey = L"FontColor";
    EXPECT_ANY_THROW(WriteTheme(failing, L"Night", night));
    EXPECT_EQ(failing.writes.size(), 4u);
}

TEST(ThemeFileTest, ReadsSwitchesByVersionAndCopiesTextsUnchanged) {
    const auto read = [](std::initializer_list<std::pair<const wchar_t*, const wchar_t*>> keys) {
        FakeSettingsStore file;
        for (const auto& [key, value] : keys) {
            file.values[{L"OrvaneTheme", key}] = value;
        }
        return ReadTheme(file);
    };
    // A missing file or section: every value automatic, transparent, bar not opaque.
    const ThemeValues empty = read({});
    EXPECT_THAT(empty.Texts, ::testing::Each(L"-1"));
    EXPECT_TRUE(empty.Transparent);
    EXPECT_FALSE(empty.FullBar);

    EXPECT_TRUE(read({{L"Ver", L"40"}}).Transparent);
    EXPECT_FALSE(read({{L"Ver", L"40"}, {L"Transparent", L"0"}}).Transparent);
    EXPECT_TRUE(read({{L"Ver", L"40"}, {L"Transparent", L"5"}}).Transparent);
    EXPECT_TRUE(read({{L"Ver", L"40"}, {L"Transparent", L"yes"}}).Transparent);
    // The older switch counts only in files of other versions.
    EXPECT_TRUE(read({{L"Ver", L"40"}, {L"OpaqueBackground", L"1"}}).Transparent);
    EXPECT_FALSE(read({{L"Ver", L"30"}, {L"OpaqueBackground", L"1"}}).Transparent);
    EXPECT_TRUE(read({{L"Ver", L"30"}}).Transparent);
    EXPECT_TRUE(read({{L"Ver", L"30"}, {L"Transparent", L"0"}}).Transparent);
    EXPECT_TRUE(read({{L"BarOpaqueBackground", L"1"}}).FullBar);

    const ThemeValues odd = read({{L"MenuMode", L"abc"}, {L"RedColor", L"#ff0000"}});
    EXPECT_EQ(odd.Texts[kEntryMenuMode], L"abc");
    EXPECT_EQ(odd.Texts[kEntryRedColor], L"#ff0000");
    EXPECT_EQ(ColorsFromPending(odd.Texts).MenuMode, -1);
    EXPECT_EQ(ColorsFromPending(odd.Texts).RedColor, RgbColor(0xFF, 0, 0));
}

TEST(CustomColorsTest, EncodesAndReadsBackTolerantly) {
    CustomColors colors = EmptyCustomColors();
    colors[0] = RgbColor(0xFF, 0x80, 0x00);
    colors[15] = RgbColor(0, 0, 0);
    const std::wstring text = EncodeCustomColors(colors);
    EXPECT_EQ(text,
              L"FF8000,FFFFFF,FFFFFF,FFFFFF,FFFFFF,FFFFFF,FFFFFF,FFFFFF,FFFFFF,FFFFFF,"
              L"FFFFFF,FFFFFF,FFFFFF,FFFFFF,FFFFFF,000000");
    EXPECT_EQ(DecodeCustomColors(text), colors);

    EXPECT_EQ(DecodeCustomColors(L""), EmptyCustomColors());
    const CustomColors loose = DecodeCustomColors(L" #102030 ,junk,,ThreeDFace,1020304,abcdef");
    EXPECT_EQ(loose[0], RgbColor(0x10, 0x20, 0x30));
    EXPECT_EQ(loose[1], kEmptyCustomColor);
    EXPECT_EQ(loose[2], kEmptyCustomColor);
    EXPECT_EQ(loose[3], kEmptyCustomColor);
    EXPECT_EQ(loose[4], kEmptyCustomColor);
    EXPECT_EQ(loose[5], RgbColor(0xAB, 0xCD, 0xEF));
    EXPECT_EQ(loose[6], kEmptyCustomColor);
    std::wstring many;
    for (int i = 0; i < 20; ++i) {
        many += L"000001,";
    }
    EXPECT_THAT(DecodeCustomColors(many), ::testing::Each(RgbColor(0, 0, 1)));
}

TEST(PickerColorsTest, ItemsAndTheItemOfAColour) {
    const auto named = NamedPickerColors();
    ASSERT_EQ(named.size(), 41u);
    std::set<ColorValue> values;
    for (const auto& c : named) {
        EXPECT_FALSE(c.Name.empty());
        values.insert(c.Value);
    }
    EXPECT_EQ(values.size(), named.size());
    EXPECT_EQ(named[15].Name, L"White");
    EXPECT_EQ(named[16].Value, SystemColor(0));
    EXPECT_EQ(named[40].Name, L"InfoBackground");

    EXPECT_EQ(PickerItemOfColor(kAutomaticColor), kPickerAutomaticItem);
    EXPECT_EQ(PickerItemOfColor(RgbColor(0, 0, 0)), 1u);
    EXPECT_EQ(PickerItemOfColor(RgbColor(0xFF, 0xFF, 0xFF)), 16u);
    EXPECT_EQ(PickerItemOfColor(SystemColor(15)), 17u + 15u);
    EXPECT_EQ(PickerItemOfColor(RgbColor(0xFF, 0x80, 0)), kPickerCustomItem);
    // The last named colour is the item just before "Custom...".
    EXPECT_EQ(PickerItemOfColor(named.back().Value), 40u + 1u);
    EXPECT_EQ(PickerItemOfColor(named.back().Value) + 1, kPickerCustomItem);
}

}  // namespace
}  // namespace orvane
