#include <gtest/gtest.h>

#include "settings/core/ColorText.h"

namespace orvane {
namespace {

struct TextToColorCase {
    const wchar_t* Text;
    ColorValue Expected;
};

TEST(TextToColorTest, ReadsNamesAndHexadecimalPairs) {
    const TextToColorCase cases[] = {{L"FFC0C0", 0xC0C0FF},
                                     {L"#FFC0C0", 0xC0C0FF},
                                     {L"ffc0c0", 0xC0C0FF},
                                     {L"000000", 0},
                                     {L"FFFFFF", 0xFFFFFF},
                                     {L"123456789", 0x563412},  // extra characters are ignored
                                     {L"ThreeDFace", SystemColor(0x0F)},
                                     {L"#ThreeDFace", SystemColor(0x0F)},
                                     {L"ScrollBar", SystemColor(0)},
                                     {L"InfoBackground", SystemColor(0x18)},
                                     {L"threedface", kAutomaticColor},  // names are case-sensitive
                                     {L"FFC0", kAutomaticColor},        // a pair is missing
                                     {L"FFC0C", kAutomaticColor},
                                     {L"GGC0C0", kAutomaticColor},
                                     {L"FF C0C0", kAutomaticColor},
                                     {L"automatic", kAutomaticColor},
                                     {L"#", kAutomaticColor},
                                     {L"", kAutomaticColor},
                                     {L"##FFC0C0", kAutomaticColor}};
    for (const auto& c : cases) {
        EXPECT_EQ(TextToColor(c.Text), c.Expected) << c.Text;
    }
}

TEST(ColorToTextTest, WritesRedGreenBlueOrTheSystemName) {
    EXPECT_EQ(ColorToText(0xC0C0FF), L"FFC0C0");
    EXPECT_EQ(ColorToText(RgbColor(1, 0xAB, 0x0C)), L"01AB0C");
    EXPECT_EQ(ColorToText(SystemColor(0x12)), L"ButtonText");
    EXPECT_EQ(ColorToText(SystemColor(0x0D)), L"Highlight");
    // Just past the system colours: an ordinary value, its high byte dropped.
    EXPECT_EQ(ColorToText(SystemColor(0x19)), L"190000");
    EXPECT_EQ(ColorToText(kAutomaticColor), L"FFFFFF");
}

TEST(ColorToTextTest, EverySystemColourReadsBack) {
    for (int index = 0; index < kSystemColorCount; ++index) {
        const ColorValue color = SystemColor(index);
        EXPECT_EQ(TextToColor(ColorToText(color)), color) << index;
    }
}

}  // namespace
}  // namespace orvane
