#include <gtest/gtest.h>

#include "display/core/IconPicture.h"
#include "display/win/IconBitmap.h"

namespace orvane::win {
namespace {

// Reads an icon's planes back as the system keeps them.
struct IconPlanes {
    PixelBuffer colour;
    PixelBuffer mask;  // white (0xFFFFFF) where transparent
};

IconPlanes ReadIcon(HICON icon) {
    ICONINFO info{};
    EXPECT_TRUE(::GetIconInfo(icon, &info));
    const UniqueBitmap colour(info.hbmColor);
    const UniqueBitmap mask(info.hbmMask);
    return {ReadBitmapPixels(colour.get()), ReadBitmapPixels(mask.get())};
}

TEST(BitmapToIcon, MaskIsSetExactlyOnTheTransparentKey) {
    // Near-misses of the key, black and white must all stay opaque.
    const ColorValue nearMisses[] = {RgbColor(3, 3, 4), RgbColor(2, 3, 3), RgbColor(3, 4, 3),
                                     RgbColor(0, 0, 0), RgbColor(255, 255, 255)};
    PixelBuffer picture(18, 5, kTransparentKey);  // an odd width tests the row padding
    for (int x = 0; x < 5; ++x) {
        picture.SetPixel(x * 3 + 1, x, nearMisses[x]);
    }
    picture.SetPixel(17, 4, RgbColor(10, 20, 30));

    const UniqueIcon icon = BitmapToIcon(picture);
    ASSERT_TRUE(icon);
    const IconPlanes planes = ReadIcon(icon.get());
    ASSERT_EQ(planes.mask.Width(), 18);
    ASSERT_EQ(planes.mask.Height(), 5);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 18; ++x) {
            const bool transparent = picture.At(x, y) == kTransparentKey;
            EXPECT_EQ(planes.mask.At(x, y), transparent ? 0xFFFFFF : 0) << x << "," << y;
            // Opaque pixels keep their colour; transparent ones are black so that nothing tints
            // the taskbar behind them.
            EXPECT_EQ(planes.colour.At(x, y), transparent ? 0 : picture.At(x, y)) << x << "," << y;
        }
    }
}

TEST(BitmapToIcon, AcceptsABitmapHandle) {
    PixelBuffer picture(16, 16, kTransparentKey);
    picture.FillRect(Rect{0, 0, 7, 4}, RgbColor(255, 255, 255));
    DibCanvas canvas(picture);
    ASSERT_TRUE(canvas.Valid());
    const HBITMAP bitmap = static_cast<HBITMAP>(::GetCurrentObject(canvas.Dc(), OBJ_BITMAP));
    EXPECT_EQ(ReadBitmapPixels(bitmap), picture);
    const UniqueIcon icon = BitmapToIcon(bitmap);
    ASSERT_TRUE(icon);
    const IconPlanes planes = ReadIcon(icon.get());
    EXPECT_EQ(planes.mask.At(6, 3), 0);
    EXPECT_EQ(planes.mask.At(7, 3), 0xFFFFFF);
    EXPECT_TRUE(BitmapToIcon(PixelBuffer()).get() == nullptr);
}

}  // namespace
}  // namespace orvane::win
