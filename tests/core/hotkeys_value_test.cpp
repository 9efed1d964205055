#include <gtest/gtest.h>

#include "hotkeys/core/HotKeyValue.h"

namespace orvane {
namespace {

TEST(HotKeyValue, SplitJoinAndAtomName) {
    // Ctrl+Alt+D
    EXPECT_EQ(SplitHotKey(49220), (HotKeyParts{kModControl | kModAlt, 0x44}));
    EXPECT_EQ(HotKeyAtomName(49220), L"HotKeyManagerHotKey49220");
    // Shift+Ctrl with key 0x41 rebuilds to 0x6041; bits outside the known ones are ignored.
    EXPECT_EQ(JoinHotKey(kModShift | kModControl, 0x41), 0x6041u);
    EXPECT_EQ(SplitHotKey(0x16041 | 0x100000),
              (HotKeyParts{kModShift | kModControl | kModWin, 0x41}));
    EXPECT_EQ(JoinHotKey(kModWin, 0x5B), 0x1005Bu);
    EXPECT_EQ(SplitHotKey(0), (HotKeyParts{0, 0}));
}

TEST(HotKeyValue, ControlWordBothWays) {
    struct Case {
        std::uint32_t stored;
        std::uint16_t word;
    } cases[] = {
        {0, 0},           {0x41, 0x0041}, {0x2041, 0x0141},  // Shift
        {0x4041, 0x0241},                                    // Ctrl
        {0x8041, 0x0441},                                    // Alt
        {0xE077, 0x0777},                                    // all three with F8
        {49220, 0x0644},                                     // Ctrl+Alt+D
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HotKeyToControlWord(c.stored), c.word) << c.stored;
        EXPECT_EQ(ControlWordToHotKey(c.word), c.stored) << c.word;
    }
    // Win and unknown bits have no place in the control; the extended flag and unknown high
    // bits have none in a stored value.
    EXPECT_EQ(HotKeyToControlWord(0x1C041 | 0x1000 | 0x100000), 0x0641);
    EXPECT_EQ(ControlWordToHotKey(0x0F2E), 0xE02Eu);
    EXPECT_EQ(ControlWordToHotKey(0xF82E), 0x2Eu);
}

}  // namespace
}  // namespace orvane
