#include <gtest/gtest.h>
#include <windows.h>

#include "hotkeys/core/HotKeyValue.h"
#include "hotkeys/win/HotKeyManager.h"
#include "hotkeys/win/HotKeyText.h"

namespace orvane::win {
namespace {

TEST(HotKeyManager, RegistersUnderItsAtomReportsPressesAndReleasesEverything) {
    constexpr std::uint32_t kCtrlAltF11 = kHotKeyCtrl | kHotKeyAlt | VK_F11;
    const std::wstring atomName = HotKeyAtomName(kCtrlAltF11);
    std::vector<std::uint32_t> pressed;
    {
        HotKeyManager manager;
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

constexpr std::uint32_t kCtrlAltF9 = kHotKeyCtrl | kHotKeyAlt | VK_F9;
constexpr std::uint32_t kCtrlAltF10 = kHotKeyCtrl | kHotKeyAlt | VK_F10;

bool AtomExists(std::uint32_t hotKey) {
    return ::GlobalFindAtomW(HotKeyAtomName(hotKey).c_str()) != 0;
}

TEST(HotKeyManager, HotKeyValidLeavesEveryRegistrationAsItWas) {
    HotKeyManager ours;
    HotKeyManager other;
    const std::uint16_t index = ours.AddHotKey(kCtrlAltF9);
    ASSERT_NE(index, 0);
    EXPECT_TRUE(ours.HotKeyValid(kCtrlAltF9));    // held by this manager
    EXPECT_EQ(other.AddHotKey(kCtrlAltF9), 0);    // and still held after the question
    EXPECT_FALSE(other.HotKeyValid(kCtrlAltF9));  // held by someone else
    EXPECT_TRUE(other.HotKeyValid(kCtrlAltF10));  // free: asked, then given back
    EXPECT_FALSE(AtomExists(kCtrlAltF10));
    EXPECT_NE(ours.AddHotKey(kCtrlAltF10), 0);
    EXPECT_EQ(ours.Count(), 2u);
    EXPECT_TRUE(ours.RemoveHotKeyByIndex(index));  // the platform still had it
}

TEST(HotKeyManager, ChangeAndRemoveFindTheirEntryOrChangeNothing) {
    HotKeyManager manager;
    const std::uint16_t index = manager.AddHotKey(kCtrlAltF9);
    ASSERT_NE(index, 0);
    const std::uint16_t unknown = static_cast<std::uint16_t>(index + 1);
    EXPECT_EQ(manager.ChangeHotKey(unknown, kCtrlAltF10), 0);
    EXPECT_FALSE(manager.RemoveHotKeyByIndex(unknown));
    EXPECT_FALSE(manager.RemoveHotKey(kCtrlAltF10));
    EXPECT_EQ(manager.Count(), 1u);
    EXPECT_FALSE(AtomExists(kCtrlAltF10));

    const std::uint16_t changed = manager.ChangeHotKey(index, kCtrlAltF10);
    ASSERT_NE(changed, 0);
    EXPECT_FALSE(AtomExists(kCtrlAltF9));
    EXPECT_TRUE(AtomExists(kCtrlAltF10));
    EXPECT_EQ(manager.Count(), 1u);
    EXPECT_TRUE(manager.RemoveHotKey(kCtrlAltF10));
    EXPECT_EQ(manager.Count(), 0u);
    EXPECT_FALSE(AtomExists(kCtrlAltF10));
}

TEST(FormatHotKey, RealKeyNamesTellDeleteFromTheKeypadDecimal) {
    const std::wstring del = FormatHotKey(VK_DELETE, false);
    const std::wstring decimal = FormatHotKey(VK_DECIMAL, false);
    EXPECT_FALSE(del.empty());
    EXPECT_FALSE(decimal.empty());
    EXPECT_NE(del, decimal);
    EXPECT_EQ(FormatHotKey(kHotKeyCtrl | kHotKeyShift | 'A', false), L"Ctrl+Shift+A");
    InitLocalizedModifierNames();
    EXPECT_EQ(FormatHotKey(kHotKeyAlt | 'A', true), LocalizedNames().Alt + L"+A");
}

}  // namespace
}  // namespace orvane::win
