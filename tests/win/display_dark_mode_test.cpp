#include <gtest/gtest.h>

#include <optional>

#include "display/win/DarkMode.h"
#include "display/win/MenuBackground.h"

namespace orvane::win {
namespace {

const wchar_t* const kPersonalize =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";

std::optional<DWORD> ReadValue(HKEY key, const wchar_t* name) {
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (::RegGetValueW(key, nullptr, name, RRF_RT_REG_DWORD, nullptr, &value, &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return value;
}

bool KeyExists() {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, kPersonalize, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    ::RegCloseKey(key);
    return true;
}

// Sets the two theme values of the test prefix and puts the old state back afterwards.
class DarkModeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        hadKey_ = KeyExists();
        ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, kPersonalize, 0, nullptr, 0,
                                    KEY_READ | KEY_WRITE, nullptr, &key_, nullptr),
                  ERROR_SUCCESS);
        oldSystem_ = ReadValue(key_, L"SystemUsesLightTheme");
        oldApps_ = ReadValue(key_, L"AppsUseLightTheme");
    }
    void TearDown() override {
        Put(L"SystemUsesLightTheme", oldSystem_);
        Put(L"AppsUseLightTheme", oldApps_);
        ::RegCloseKey(key_);
        if (!hadKey_) {
            ::RegDeleteKeyW(HKEY_CURRENT_USER, kPersonalize);
        }
    }
    void Put(const wchar_t* name, std::optional<DWORD> value) {
        if (value) {
            ::RegSetValueExW(key_, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&*value),
                             sizeof(DWORD));
        } else {
            ::RegDeleteValueW(key_, name);
        }
    }

    HKEY key_ = nullptr;
    bool hadKey_ = false;
    std::optional<DWORD> oldSystem_, oldApps_;
};

TEST_F(DarkModeTest, RolesFollowTheThemeValues) {
    ASSERT_TRUE(IsWindows10OrLater());  // Wine reports kernel32 10.x
    struct Case {
        std::optional<DWORD> system, apps;
        bool darkTaskbar, darkApps;
    } cases[] = {{0, 0, true, true},
                 {1, 1, false, false},
                 {1, 0, false, true},
                 {std::nullopt, 1, true, false},
                 {0, std::nullopt, true, true}};
    OrvaneOptions o;
    for (const Case& c : cases) {
        Put(L"SystemUsesLightTheme", c.system);
        Put(L"AppsUseLightTheme", c.apps);
        EXPECT_EQ(IsDarkTheme(true), c.darkTaskbar);
        EXPECT_EQ(IsDarkTheme(false), c.darkApps);
        EXPECT_EQ(MenuModeNow(o), c.darkApps ? 1 : 0);
        EXPECT_EQ(ProcMenuHighlightNow(o, false, 0), c.darkApps ? 0x4D4D8B : 0xE7E7FB);
        EXPECT_EQ(ProcMenuHighlightNow(o, true, 1), 0xE7E7FB);
        const IconColors colours = CurrentIconColors(o);
        EXPECT_EQ(colours.Font, c.darkTaskbar ? 0xFFFFFF : 0x000000);
        EXPECT_EQ(colours.Background, c.darkTaskbar ? 0x000000 : 0xFFFFFF);

        MenuBackground menu;
        menu.InitBgMenu(nullptr, o);
        LOGBRUSH lb{};
        ASSERT_TRUE(::GetObjectW(menu.Brush(), sizeof(lb), &lb));
        EXPECT_EQ(lb.lbColor, c.darkApps ? 0x3F3F39u : ::GetSysColor(COLOR_3DFACE));
    }
}

TEST_F(DarkModeTest, NonDwordValueCountsAsDark) {
    const wchar_t text[] = L"1";
    ::RegSetValueExW(key_, L"SystemUsesLightTheme", 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                     sizeof(text));
    EXPECT_TRUE(IsDarkTheme(true));
}

TEST_F(DarkModeTest, AMissingKeyIsDarkAndStaysMissing) {
    ::RegCloseKey(key_);
    ::RegDeleteKeyW(HKEY_CURRENT_USER, kPersonalize);
    EXPECT_TRUE(IsDarkTheme(true));
    EXPECT_TRUE(IsDarkTheme(false));
    EXPECT_FALSE(KeyExists());
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, kPersonalize, 0, nullptr, 0,
                                KEY_READ | KEY_WRITE, nullptr, &key_, nullptr),
              ERROR_SUCCESS);
}

TEST(MenuBackground, GivesTheMenuItsBrush) {
    const UniqueMenu menu(::CreatePopupMenu());
    OrvaneOptions o;
    o.MenuColorMode = 1;
    MenuBackground background;
    background.InitBgMenu(menu.get(), o);
    MENUINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = MIM_BACKGROUND;
    ASSERT_TRUE(::GetMenuInfo(menu.get(), &info));
    EXPECT_EQ(info.hbrBack, background.Brush());
    LOGBRUSH lb{};
    ASSERT_TRUE(::GetObjectW(info.hbrBack, sizeof(lb), &lb));
    EXPECT_EQ(lb.lbColor, 0x3F3F39u);
}

TEST(ColorToRgb, ResolvesSystemColours) {
    EXPECT_EQ(ColorToRgb(SystemColor(COLOR_3DFACE)),
              static_cast<ColorValue>(::GetSysColor(COLOR_3DFACE)));
    EXPECT_EQ(ColorToRgb(0x123456), 0x123456);
}

}  // namespace
}  // namespace orvane::win
