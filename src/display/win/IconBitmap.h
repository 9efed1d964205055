#pragma once

#include <windows.h>

#include <cstdint>

#include "common/win/Handles.h"
#include "display/core/PixelBuffer.h"

namespace orvane::win {

// A top-down 32-bit DIB section selected into its own memory DC, for GDI to draw on a picture.
class DibCanvas {
  public:
    explicit DibCanvas(const PixelBuffer& picture);
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;
    ~DibCanvas();

    bool Valid() const { return bits_ != nullptr; }
    HDC Dc() const { return dc_.get(); }
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

// An icon from the picture, transparent exactly where its pixels are the transparent key.
UniqueIcon BitmapToIcon(const PixelBuffer& picture);
// The same for a bitmap handle (read with GetDIBits).
UniqueIcon BitmapToIcon(HBITMAP bitmap);

// The picture of a bitmap as 0x00BBGGRR pixels; empty when it cannot be read.
PixelBuffer ReadBitmapPixels(HBITMAP bitmap);

}  // namespace orvane::win
