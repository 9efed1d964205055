#include <gtest/gtest.h>

#include <windows.h>

#include "options/win/FontDialog.h"

namespace orvane::win {
namespace {

// The dialog offers only the sizes the settings file keeps (1-72): a larger one would be used
// and saved, then read back as the default at the next start.
TEST(FontDialog, OffersOnlyTheSizesTheSettingsFileKeeps) {
    FontSpec font;
    font.Name = L"Tahoma";
    font.Size = 8;
    CHOOSEFONTW seen{};
    const auto chosen = ChooseIconFont(nullptr, font, [&seen](CHOOSEFONTW* cf) {
        seen = *cf;
        cf->iPointSize = 720;  // 72 pt, the largest the dialog lets through
        return TRUE;
    });
    EXPECT_TRUE(seen.Flags & CF_LIMITSIZE);
    EXPECT_EQ(seen.nSizeMin, 1);
    EXPECT_EQ(seen.nSizeMax, 72);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->Size, 72);
    EXPECT_EQ(chosen->Name, L"Tahoma");

    EXPECT_FALSE(ChooseIconFont(nullptr, font, [](CHOOSEFONTW*) { return FALSE; }).has_value());
}

}  // namespace
}  // namespace orvane::win
