#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "hotkeys/core/HotKeyText.h"

namespace orvane {
namespace {

// A keyboard layout of a few keys; every key-name argument asked for is recorded.
struct FakeLayout {
    std::map<std::uint32_t, std::uint32_t> scanCodes{{0x41, 0x1E}, {0x2E, 0x53}, {0x6E, 0x53},
                                                     {0x10, 0x2A}, {0x11, 0x1D}, {0x12, 0x38}};
    std::map<std::int32_t, std::wstring> names{{0x1E0000, L"A"},       {0x1530000, L"Delete"},
                                               {0x530000, L"Num Del"}, {0x2A0000, L"Umschalt"},
                                               {0x1D0000, L"Strg"},    {0x380000, L"ALT"}};
    std::vector<std::int32_t> asked;

    KeyNameSource Source() {
        return {[this](std::uint32_t vk) { return scanCodes.count(vk) ? scanCodes[vk] : 0u; },
                [this](std::int32_t argument) {
                    asked.push_back(argument);
                    return names.count(argument) ? names[argument] : std::wstring();
                }};
    }
};

TEST(FormatHotKey, ModifiersInOrderThenTheKeyName) {
    FakeLayout layout;
    const ModifierNames fixed;
    EXPECT_EQ(FormatHotKey(0x6041, fixed, layout.Source()), L"Ctrl+Shift+A");
    EXPECT_EQ(FormatHotKey(0x1E041, fixed, layout.Source()), L"Ctrl+Shift+Alt+Win+A");
    EXPECT_EQ(FormatHotKey(0x8000, fixed, layout.Source()), L"Alt+");  // no key, no name
    EXPECT_EQ(FormatHotKey(0, fixed, layout.Source()), L"");
    EXPECT_EQ(FormatHotKey(0x4041, {L"S", L"C", L"A", L"W"}, layout.Source()), L"C+A");
}

TEST(FormatHotKey, ExtendedFlagOnlyForTheNavigationKeys) {
    FakeLayout layout;
    EXPECT_EQ(FormatHotKey(0x2E, {}, layout.Source()), L"Delete");
    EXPECT_EQ(FormatHotKey(0x6E, {}, layout.Source()), L"Num Del");
    EXPECT_EQ(layout.asked, (std::vector<std::int32_t>{0x1530000, 0x530000}));
    for (std::uint32_t vk = 0x20; vk <= 0x2F; ++vk) {
        const bool extended = (vk >= 0x21 && vk <= 0x28) || vk == 0x2D || vk == 0x2E;
        EXPECT_EQ(KeyNameArgument(vk, 0x10), 0x100000 | (extended ? 0x1000000 : 0)) << vk;
    }
    // An extended key without a scan code is still asked for; other keys are not.
    layout.asked.clear();
    FormatHotKey(0x21, {}, layout.Source());
    FormatHotKey(0x42, {}, layout.Source());
    EXPECT_EQ(layout.asked, std::vector<std::int32_t>{0x1000000});
}

TEST(FormatHotKey, MediaKeysWithoutAPlatformNameGetTheirOwn) {
    FakeLayout layout;
    layout.scanCodes[0xB0] = 0x19;
    layout.names[0x190000] = L"X";  // one character is no name
    layout.scanCodes[0xB3] = 0x22;
    layout.names[0x220000] = L"Wiedergabe";
    EXPECT_EQ(FormatHotKey(0xAF, {}, layout.Source()), L"Volume Up");
    EXPECT_EQ(FormatHotKey(0xA6, {}, layout.Source()), L"Browser Back");
    EXPECT_EQ(FormatHotKey(0xB7, {}, layout.Source()), L"Start Application 2");
    EXPECT_EQ(FormatHotKey(0x40B0, {}, layout.Source()), L"Ctrl+Next Track");
    EXPECT_EQ(FormatHotKey(0xB3, {}, layout.Source()), L"Wiedergabe");
    EXPECT_EQ(FormatHotKey(0xA5, {}, layout.Source()), L"");
    EXPECT_EQ(FormatHotKey(0xB8, {}, layout.Source()), L"");
}

TEST(FormatHotKey, LocalizedNamesAndTheCapitalWinRule) {
    FakeLayout layout;
    EXPECT_EQ(LocalizedModifierNames(layout.Source()),
              (ModifierNames{L"Umschalt", L"Strg", L"ALT", L"WIN"}));
    struct Case {
        const wchar_t* alt;
        const wchar_t* win;
    } cases[] = {{L"Alt", L"Win"}, {L"", L"WIN"}, {L"ALT GR", L"Win"}, {L"ÄLT", L"Win"}};
    for (const auto& c : cases) {
        layout.names[0x380000] = c.alt;
        const ModifierNames names = LocalizedModifierNames(layout.Source());
        EXPECT_EQ(names.Alt, c.alt);
        EXPECT_EQ(names.Win, c.win) << c.alt;
    }
    layout.names.clear();  // empty names are kept
    EXPECT_EQ(LocalizedModifierNames(layout.Source()), (ModifierNames{L"", L"", L"", L"WIN"}));
    EXPECT_EQ(FormatHotKey(0x16041, LocalizedModifierNames(layout.Source()), layout.Source()),
              L"++WIN+");
}

}  // namespace
}  // namespace orvane
