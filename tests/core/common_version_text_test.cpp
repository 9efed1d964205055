#include <gtest/gtest.h>

#include "common/core/VersionText.h"

namespace orvane {
namespace {

TEST(FormatVersionText, ShortAndLongForms) {
    struct Case {
        const wchar_t* text;
        const wchar_t* shortForm;
        const wchar_t* longForm;
    } cases[] = {
        {L"4.1.0.0", L"4.1", L"4.1"},
        {L"4.1.2.3", L"4.12 SR3", L"4.12 SR3 (Service Release 3)"},
        {L"1.0.0.7", L"1.0 SR7", L"1.0 SR7 (Service Release 7)"},
        {L"2.5.10.0", L"2.510", L"2.510"},
        {L"4.1.2", L"", L""},      // three parts
        {L"4.1.2.3.4", L"", L""},  // five parts
        {L"", L"", L""},
        // An error text from the version reader must not be mistaken for a version.
        {L"GetFileVersionInfo failed: (2) a.b.c", L"", L""},
        {L"1.x.0.0", L"", L""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatVersionText(c.text, true), c.shortForm) << c.text;
        EXPECT_EQ(FormatVersionText(c.text, false), c.longForm) << c.text;
    }
}

TEST(FileVersionToText, MostSignificantFirst) {
    EXPECT_EQ(FileVersionToText(0x00040001, 0x00020003), L"4.1.2.3");
    EXPECT_EQ(FileVersionToText(0xFFFF0000, 0x0000FFFF), L"65535.0.0.65535");
}

TEST(IsSupportedWindows, SevenAndLater) {
    EXPECT_FALSE(IsSupportedWindows(true, 6, 0));  // Vista
    EXPECT_TRUE(IsSupportedWindows(true, 6, 1));   // 7
    EXPECT_TRUE(IsSupportedWindows(true, 6, 3));
    EXPECT_TRUE(IsSupportedWindows(true, 10, 0));
    EXPECT_FALSE(IsSupportedWindows(true, 5, 9));
    EXPECT_FALSE(IsSupportedWindows(false, 10, 0));
}

}  // namespace
}  // namespace orvane
