#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "common/win/Handles.h"
#include "display/core/PixelBuffer.h"

namespace orvane::win {

// A top-down 32-bit DIB section selected into its own memory DC, for GDI to draw on a picture.
class DibCanvas {
  public:
    DibCanvas(int width, int height);
    explicit DibCanvas(const PixelBuffer& picture);
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;
    ~DibCanvas();

    bool Valid() const { return bits_ != nullptr; }
    HDC Dc() const { return dc_.get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Puts the picture on the surface; it must have the surface's size.
    void Load(const PixelBuffer& picture);
    // The pixels as drawn so far.
    void CopyTo(PixelBuffer& picture) const;

  private:
    UniqueMemoryDc dc_;
    UniqueBitmap bitmap_;
    HGDIOBJ previous_ = nullptr;
    std::uint32_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

// Makes icons from pictures, transparent exactly where their pixels are the transparent key.
// Builds each icon from one in-memory icon image, kept for the next picture: the system
// reads colour, mask and alpha from it in one call, with no bitmaps of ours in between.
class IconMaker {
  public:
    UniqueIcon Make(const PixelBuffer& picture);

  private:
    std::vector<std::uint8_t> image_;
};

// An icon from the picture, transparent exactly where its pixels are the transparent key.
UniqueIcon BitmapToIcon(const PixelBuffer& picture);
// The same for a bitmap handle (read with GetDIBits).
UniqueIcon BitmapToIcon(HBITMAP bitmap);

// The picture of a bitmap as 0x00BBGGRR pixels; empty when it cannot be read.
PixelBuffer ReadBitmapPixels(HBITMAP bitmap);

}  // namespace orvane::win
