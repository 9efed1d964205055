#include <gtest/gtest.h>

#include "settings/core/DefaultMenuItem.h"

namespace orvane {
namespace {

TEST(DefaultMenuItemTest, OnlyActionsThatAreMenuCommandsMarkAnItem) {
    EXPECT_EQ(DefaultMenuItemFor(0), DefaultMenuItem::LaunchTaskManager);
    EXPECT_EQ(DefaultMenuItemFor(1), DefaultMenuItem::Defragment);
    EXPECT_EQ(DefaultMenuItemFor(3), DefaultMenuItem::Settings);
    for (const int action : {2, 4, 5, 6, 7, -1, 8}) {
        EXPECT_EQ(DefaultMenuItemFor(action), DefaultMenuItem::None) << action;
    }
}

}  // namespace
}  // namespace orvane
