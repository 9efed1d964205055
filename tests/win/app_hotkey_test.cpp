#include "app_form_fixture.h"
#include "hotkeys/core/HotKeyValue.h"

namespace orvane::test {
namespace {

class RefreshHotkey : public FormTest {};

// The file's value is registered as it is, except a key that types without Ctrl, Alt or Win:
// that would take the key from every program. The file keeps the value either way.
TEST_F(RefreshHotkey, RegisteredUnlessItWouldTakeAKeyThatTypes) {
    struct Case {
        std::uint32_t value;
        std::size_t registered;
    } cases[] = {
        {0, 0},
        {'A', 0},
        {kHotKeyShift | '1', 0},
        {0x20, 0},
        {0x79, 1},  // F10
        {kHotKeyCtrl | 'A', 1},
        {kHotKeyCtrl | kHotKeyAlt | 'D', 1},
    };
    for (const Case& c : cases) {
        Start("ShowWelcomeWindow=0\r\nRefreshRate=0\r\nRefreshHotkey=" + std::to_string(c.value) +
              "\r\n");
        EXPECT_EQ(form->HotKeys().Count(), c.registered) << c.value;
        EXPECT_EQ(form->MemOptions.RefreshHotkey, static_cast<std::int32_t>(c.value)) << c.value;
        form.reset();
    }
}

// A changed value replaces the registration; 0 removes it.
TEST_F(RefreshHotkey, UpdateShortCutFollowsAChangedValue) {
    Start("ShowWelcomeWindow=0\r\nRefreshRate=0\r\nRefreshHotkey=" +
          std::to_string(kHotKeyCtrl | kHotKeyAlt | 'D') + "\r\n");
    ASSERT_EQ(form->HotKeys().Count(), 1u);
    const std::uint32_t ctrlAltE = kHotKeyCtrl | kHotKeyAlt | 'E';
    form->MemOptions.RefreshHotkey = static_cast<std::int32_t>(ctrlAltE);
    form->UpdateShortCut();
    ASSERT_EQ(form->HotKeys().Count(), 1u);
    // The new combination is taken, the old one is free again.
    win::HotKeyManager other;
    EXPECT_EQ(other.AddHotKey(ctrlAltE), 0);
    EXPECT_NE(other.AddHotKey(kHotKeyCtrl | kHotKeyAlt | 'D'), 0);
    form->MemOptions.RefreshHotkey = 0;
    form->UpdateShortCut();
    EXPECT_EQ(form->HotKeys().Count(), 0u);
}

}  // namespace
}  // namespace orvane::test
