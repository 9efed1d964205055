#include <gtest/gtest.h>

#include <climits>
#include <optional>

#include "settings/core/SettingsValues.h"

namespace orvane {
namespace {

struct IntegerCase {
    const wchar_t* Text;
    std::optional<std::int32_t> Expected;
};

TEST(ParseIntegerValueTest, ReadsDecimalAndHexadecimal) {
    const IntegerCase cases[] = {{L"0", 0},
                                 {L"2000", 2000},
                                 {L"-5", -5},
                                 {L"+7", 7},
                                 {L"007", 7},
                                 {L"0x1F", 31},
                                 {L"0X1f", 31},
                                 {L"$ff", 255},
                                 {L"-$10", -16},
                                 {L"$FFFFFFFF", -1},
                                 {L"0x80000000", INT_MIN},
                                 {L"2147483647", INT_MAX},
                                 {L"-2147483648", INT_MIN},
                                 {L"2147483648", std::nullopt},
                                 {L"-2147483649", std::nullopt},
                                 {L"99999999999999999999", std::nullopt},
                                 {L"0x100000000", std::nullopt},
                                 {L"", std::nullopt},
                                 {L"-", std::nullopt},
                                 {L"$", std::nullopt},
                                 {L"0x", std::nullopt},
                                 {L"abc", std::nullopt},
                                 {L"12a", std::nullopt},
                                 {L"1.5", std::nullopt},
                                 {L" 1", std::nullopt},
                                 {L"--1", std::nullopt},
                                 {L"0xG", std::nullopt}};
    for (const auto& c : cases) {
        EXPECT_EQ(ParseIntegerValue(c.Text), c.Expected) << c.Text;
    }
}

TEST(ParseBooleanValueTest, AnyNonZeroNumberIsTrue) {
    EXPECT_EQ(ParseBooleanValue(L"1"), true);
    EXPECT_EQ(ParseBooleanValue(L"0"), false);
    EXPECT_EQ(ParseBooleanValue(L"2"), true);
    EXPECT_EQ(ParseBooleanValue(L"-1"), true);
    EXPECT_EQ(ParseBooleanValue(L"0x0"), false);
    EXPECT_EQ(ParseBooleanValue(L"true"), std::nullopt);
    EXPECT_EQ(ParseBooleanValue(L""), std::nullopt);
}

TEST(ParseColorValueTest, OnlyExactAutomaticOrEmptyIsAutomaticByName) {
    EXPECT_EQ(ParseColorValue(L""), kAutomaticColor);
    EXPECT_EQ(ParseColorValue(L"Automatic"), kAutomaticColor);
    // Not the keyword, and not a colour text either: automatic all the same.
    EXPECT_EQ(ParseColorValue(L"automatic"), kAutomaticColor);
    EXPECT_EQ(ParseColorValue(L"FF0000"), RgbColor(255, 0, 0));
    EXPECT_EQ(ParseColorValue(L"ButtonText"), SystemColor(0x12));
}

TEST(SettingValueTextTest, WritesTheStoredForms) {
    EXPECT_EQ(BooleanValueText(true), L"1");
    EXPECT_EQ(BooleanValueText(false), L"0");
    EXPECT_EQ(IntegerValueText(-1), L"-1");
    EXPECT_EQ(IntegerValueText(INT_MIN), L"-2147483648");
    EXPECT_EQ(ColorValueText(kAutomaticColor), L"Automatic");
    EXPECT_EQ(ColorValueText(0xC0C0FF), L"FFC0C0");
    EXPECT_EQ(ColorValueText(SystemColor(0x0F)), L"ThreeDFace");
}

}  // namespace
}  // namespace orvane
