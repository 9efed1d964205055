#include <gtest/gtest.h>

#include <set>

#include "display/core/IconPicture.h"
#include "display/win/FontDigits.h"
#include "display/win/TrayIconPainter.h"

namespace orvane::win {
namespace {

struct Ink {
    int painted = 0;
    int top = 1 << 30;
    std::set<ColorValue> shades;
};

Ink InkOf(const PixelBuffer& p) {
    Ink ink;
    for (int y = 0; y < p.Height(); ++y) {
        for (int x = 0; x < p.Width(); ++x) {
            if (p.At(x, y) != kTransparentKey) {
                ++ink.painted;
                ink.top = std::min(ink.top, y);
                ink.shades.insert(p.At(x, y));
            }
        }
    }
    return ink;
}

TEST(FontDigits, DrawsAntiAliasedTextScaledForTheDpi) {
    OrvaneOptions o;
    PixelBuffer large(32, 32, kTransparentKey);
    DrawFontDigits(large, o, L"45", RgbColor(255, 255, 255), 192);
    const Ink big = InkOf(large);
    PixelBuffer small(16, 16, kTransparentKey);
    DrawFontDigits(small, o, L"45", RgbColor(255, 255, 255), 96);
    const Ink little = InkOf(small);

    ASSERT_GT(little.painted, 0);
    EXPECT_GT(big.painted, 2 * little.painted);
    // Below the bar: from row N div 2 - ScaleByDpi(3) = 10 on.
    EXPECT_GE(big.top, 10);
    EXPECT_TRUE(big.shades.count(RgbColor(255, 255, 255)));
}

TEST(FontDigits, SmoothsOutlineFonts) {
    // Wine's Tahoma carries bitmap strikes for small sizes, which are never smoothed; an
    // outline-only face shows the anti-aliased edges.
    OrvaneOptions o;
    o.Font.Name = L"DejaVu Sans";
    PixelBuffer picture(32, 32, kTransparentKey);
    DrawFontDigits(picture, o, L"45", RgbColor(255, 255, 255), 192);
    EXPECT_GT(InkOf(picture).shades.size(), 2u);
}

TEST(TrayIconPainter, RedrawsOnlyOnNewText) {
    TrayIconPainter painter;
    painter.InitVisualSettings(nullptr);
    EXPECT_EQ(painter.IconBitmap().Width(), painter.IconSize());
    OrvaneOptions o;
    o.ShowPercentage = true;
    MemorySnapshot s;
    s.MemoryLoad = 45;
    std::wstring last;
    EXPECT_TRUE(painter.DrawPreview(o, s, last, false));
    EXPECT_EQ(last, L"45%");
    EXPECT_FALSE(painter.DrawPreview(o, s, last, true));
    last.clear();
    EXPECT_TRUE(painter.DrawPreview(o, s, last, true));
    s.MemoryLoad = 46;
    EXPECT_TRUE(painter.DrawPreview(o, s, last, true));
    EXPECT_TRUE(painter.MakeIcon());
}

}  // namespace
}  // namespace orvane::win
