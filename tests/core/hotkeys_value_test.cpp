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

namespace orvane {
namespace {

// A key that types, pressed without Ctrl, Alt or Win, would be taken from every program.
TEST(HotKeyTakesTyping, KeysThatTypeNeedCtrlAltOrWin) {
    struct Case {
        std::uint32_t hotKey;
        bool takesTyping;
    } cases[] = {
        {'A', true},
        {kHotKeyShift | 'A', true},
        {'0', true},
        {'9', true},
        {'Z', true},
        {0x20, true},  // space
        {0x0D, true},  // Enter
        {0x60, true},  // numpad 0
        {0xBA, true},  // ;
        {0xC0, true},  // `
        {0xDE, true},  // '
        {0xE2, true},  // the extra key beside left Shift
        {kHotKeyCtrl | 'A', false},
        {kHotKeyAlt | '1', false},
        {kHotKeyWin | 0x20, false},
        {kHotKeyCtrl | kHotKeyShift | 'A', false},
        {0x79, false},                 // F10
        {kHotKeyShift | 0x70, false},  // Shift+F1
        {0x87, false},                 // F24
        {0xB3, false},                 // play/pause
        {0xAD, false},                 // mute
        {0x24, false},                 // Home
        {0x28, false},                 // down
        {0x22, false},                 // Page Down
        {0, false},                    // no hotkey
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HotKeyTakesTyping(c.hotKey), c.takesTyping) << std::hex << c.hotKey;
    }
}

}  // namespace
}  // namespace orvane
