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

}  // namespace
}  // namespace orvane
