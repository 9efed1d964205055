#include <gtest/gtest.h>
#include <windows.h>

#include "hotkeys/core/HotKeyValue.h"
#include "hotkeys/win/HotKeyManager.h"

namespace orvane::win {
namespace {

TEST(THotKeyManager, RegistersUnderItsAtomReportsPressesAndReleasesEverything) {
    constexpr std::uint32_t kCtrlAltF11 = kHotKeyCtrl | kHotKeyAlt | VK_F11;
    const std::wstring atomName = HotKeyAtomName(kCtrlAltF11);
    std::vector<std::uint32_t> pressed;
    {
        THotKeyManager manager;
        manager.OnHotKeyPressed = [&](std::uint32_t value, std::uint16_t) {
            pressed.push_back(value);
        };
        const std::uint16_t index = manager.AddHotKey(kCtrlAltF11);
        ASSERT_NE(index, 0);
        EXPECT_EQ(::GlobalFindAtomW(atomName.c_str()), index);

        // A press of the registered combination, and one of another combination.
        ::SendMessageW(manager.Handle(), WM_HOTKEY, index,
                       MAKELPARAM(MOD_CONTROL | MOD_ALT, VK_F11));
        ::SendMessageW(manager.Handle(), WM_HOTKEY, index, MAKELPARAM(MOD_CONTROL, VK_F11));
        EXPECT_EQ(pressed, std::vector<std::uint32_t>{kCtrlAltF11});

        manager.ClearHotKeys();
        EXPECT_EQ(manager.Count(), 0u);
        EXPECT_EQ(::GlobalFindAtomW(atomName.c_str()), 0);
        EXPECT_NE(manager.AddHotKey(kCtrlAltF11), 0);  // free again after the clear
    }
    EXPECT_EQ(::GlobalFindAtomW(atomName.c_str()), 0);  // destruction releases it too
}

}  // namespace
}  // namespace orvane::win
