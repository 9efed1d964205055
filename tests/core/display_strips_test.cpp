#include <gtest/gtest.h>

#include "display/core/DigitStrips.h"

namespace orvane {
namespace {

const PixelLegend kLegend = {{'#', kStripInk}, {'.', kStripPaper}};

TEST(DigitStrips, StripsHaveTheirSizesAndOnlyInkAndPaper) {
    DigitStrips strips;
    struct Case {
        const PicClip& clip;
        int width, height;
    } cases[] = {{strips.PicClip_3, 55, 9},
                 {strips.PicClip_3_20, 66, 11},
                 {strips.PicClip_3_24, 88, 14},
                 {strips.PicClip_4, 33, 8}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.clip.Picture().Width(), c.width);
        EXPECT_EQ(c.clip.Picture().Height(), c.height);
        EXPECT_EQ(c.clip.Rows, 1);
        EXPECT_EQ(c.clip.Cols, 11);
        for (ColorValue p : c.clip.Picture().Pixels()) {
            ASSERT_TRUE(p == kStripInk || p == kStripPaper);
        }
    }
}

TEST(DigitStrips, CellsAreTheDrawnBlocks) {
    DigitStrips strips;
    EXPECT_EQ(FormatPixelRows(strips.PicClip_3.GetCell(10), kLegend),
              ".....\n##...\n##..#\n...#.\n..#..\n.#...\n#..##\n...##\n.....\n");
    EXPECT_EQ(FormatPixelRows(strips.PicClip_4.GetCell(10), kLegend),
              "...\n...\n.#.\n...\n...\n.#.\n...\n...\n");
    EXPECT_EQ(FormatPixelRows(strips.PicClip_3_20.GetCell(7), kLegend),
              "####..\n...#..\n...#..\n...#..\n...#..\n..#...\n..#...\n.#....\n.#....\n#.....\n"
              "#.....\n");
    EXPECT_EQ(FormatPixelRows(strips.PicClip_3_24.GetCell(1), kLegend),
              "...##...\n..###...\n.####...\n.####...\n...##...\n...##...\n...##...\n"
              "...##...\n...##...\n...##...\n...##...\n...##...\n...##...\n..####..\n");
}

TEST(DigitStrips, GetCellReusesOnePictureAndRejectsIndicesOutsideTheGrid) {
    DigitStrips strips;
    const PixelBuffer& first = strips.PicClip_3.GetCell(1);
    const PixelBuffer& second = strips.PicClip_3.GetCell(8);
    EXPECT_EQ(&first, &second);
    EXPECT_EQ(FormatPixelRows(second, kLegend).substr(0, 6), ".##..\n");
    EXPECT_TRUE(strips.PicClip_3.GetCell(11).Empty());
    EXPECT_TRUE(strips.PicClip_3.GetCell(-1).Empty());

    PixelBuffer canvas(6, 9, RgbColor(1, 2, 3));
    strips.PicClip_3.Draw(canvas, 0, 0, 11);  // nothing to draw
    EXPECT_EQ(canvas, PixelBuffer(6, 9, RgbColor(1, 2, 3)));
}

TEST(DigitStrips, DrawCopiesPaperToo) {
    DigitStrips strips;
    PixelBuffer canvas(6, 10, RgbColor(1, 2, 3));
    strips.PicClip_3.Draw(canvas, 1, 1, 0);
    EXPECT_EQ(canvas.At(0, 0), RgbColor(1, 2, 3));
    EXPECT_EQ(canvas.At(1, 1), kStripPaper);
    EXPECT_EQ(canvas.At(2, 1), kStripInk);
}

TEST(DigitStrips, StripChoiceFollowsDpi) {
    DigitStrips strips;
    struct Case {
        int number, dpi;
        const PicClip* expected;
    } cases[] = {{3, 96, &strips.PicClip_3},     {3, 100, &strips.PicClip_3_24},
                 {3, 120, &strips.PicClip_3_20}, {3, 132, &strips.PicClip_3_24},
                 {3, 144, &strips.PicClip_3_24}, {4, 96, &strips.PicClip_4},
                 {4, 120, &strips.PicClip_4},    {4, 144, &strips.PicClip_4}};
    for (const Case& c : cases) {
        EXPECT_EQ(&strips.GetPicClip(c.number, c.dpi), c.expected) << c.number << " at " << c.dpi;
    }
}

}  // namespace
}  // namespace orvane
