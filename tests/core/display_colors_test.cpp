#include <gtest/gtest.h>

#include "display/core/ColorRoles.h"

namespace orvane {
namespace {

using Getter = ColorValue (*)(const OrvaneOptions&, bool, bool);

TEST(ColorRoles, IconRolesTakeTheSettingOrTheTaskbarDefault) {
    struct Case {
        Getter get;
        ColorValue OrvaneOptions::*setting;
        ColorValue dark, light;
    } cases[] = {
        {GetFontColor, &OrvaneOptions::FontColor, 0xFFFFFF, 0x000000},
        {GetBkColor, &OrvaneOptions::OpaqueBkColor, 0x000000, 0xFFFFFF},
        {GetBarBk, &OrvaneOptions::FullBarColor, 0x808080, 0xA8A8A8},
        {GetGreenColor, &OrvaneOptions::GreenColor, 0xFFFFFF, 0x000000},
        {GetYellowColor, &OrvaneOptions::YellowColor, 0xC0FFFF, 0x008080},
        {GetRedColor, &OrvaneOptions::RedColor, 0xC0C0FF, 0x0000C0},
    };
    for (const Case& c : cases) {
        OrvaneOptions o;
        EXPECT_EQ(c.get(o, false, true), c.dark);
        EXPECT_EQ(c.get(o, false, false), c.light);
        o.*c.setting = 0x00FF00;
        EXPECT_EQ(c.get(o, false, true), 0x00FF00);
        EXPECT_EQ(c.get(o, false, false), 0x00FF00);
        EXPECT_EQ(c.get(o, true, true), c.dark);
        EXPECT_EQ(c.get(o, true, false), c.light);
    }
}

TEST(ColorRoles, MenuRolesFollowTheModeOrItsSetting) {
    OrvaneOptions o;
    EXPECT_EQ(GetMenuModeColor(o, true), kDarkMenu);
    EXPECT_EQ(GetMenuModeColor(o, false), kLightMenu);
    o.MenuColorMode = 1;
    EXPECT_EQ(GetMenuModeColor(o, false), kDarkMenu);
    EXPECT_EQ(MenuBackgroundColor(GetMenuModeColor(o, false)), 0x3F3F39);
    EXPECT_EQ(GetProcMenuHighlightColor(o, false, 0, GetMenuModeColor(o, false)), 0x4D4D8B);
    EXPECT_EQ(MenuBackgroundColor(kLightMenu), SystemColor(15));
}

TEST(ColorRoles, HighlightHonoursTheForcedMode) {
    OrvaneOptions o;
    o.ProcMenuHightlightColor = 0x123456;
    struct Case {
        bool defaultsOnly;
        int force, menuMode;
        ColorValue expected;
    } cases[] = {
        {true, 1, kDarkMenu, 0xE7E7FB},    {true, 2, kLightMenu, 0x4D4D8B},
        {false, 2, kLightMenu, 0x4D4D8B},  {true, 0, kLightMenu, 0xE7E7FB},
        {true, 0, kDarkMenu, 0x4D4D8B},    {false, 0, kDarkMenu, 0x123456},
        {false, -1, kLightMenu, 0x123456},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GetProcMenuHighlightColor(o, c.defaultsOnly, c.force, c.menuMode), c.expected)
            << c.defaultsOnly << " " << c.force << " " << c.menuMode;
    }
}

}  // namespace
}  // namespace orvane
