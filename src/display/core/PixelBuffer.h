#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/core/Geometry.h"
#include "settings/core/Color.h"

namespace orvane {

// A small picture of concrete 0x00BBGGRR colours, top row first. Every drawing call clips to
// the picture, as GDI does on a bitmap.
class PixelBuffer {
  public:
    PixelBuffer() = default;
    PixelBuffer(int width, int height, ColorValue fill = 0);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    // Unchecked; use Contains first when the place may lie outside.
    ColorValue At(int x, int y) const { return pixels_[Index(x, y)]; }
    const std::vector<ColorValue>& Pixels() const { return pixels_; }

    void Resize(int width, int height, ColorValue fill = 0);
    void SetPixel(int x, int y, ColorValue c);
    void FillRect(Rect r, ColorValue c);
    // Every pixel of exactly `from` becomes `to`.
    void ReplaceColor(ColorValue from, ColorValue to);
    // Copies `area` of `src` with its top-left corner at (x, y), every pixel included.
    void Draw(const PixelBuffer& src, Rect area, int x, int y);
    // Copies `src` with its top-left corner at (x, y), leaving out its pixels of exactly `key`.
    void DrawTransparent(const PixelBuffer& src, int x, int y, ColorValue key);

    bool operator==(const PixelBuffer&) const = default;

  private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x);
    }
    template <typename PixelFn>
    void Blend(const PixelBuffer& src, Rect area, int x, int y, PixelFn put);

    int width_ = 0;
    int height_ = 0;
    std::vector<ColorValue> pixels_;
};

// A palette entry for pictures written as text, one character per pixel.
using PixelLegend = std::vector<std::pair<char, ColorValue>>;

// Reads a picture written as rows of characters (one line per pixel row, blanks ignored).
// Returns an empty picture when the rows differ in length or a character is not in the legend.
PixelBuffer ParsePixelRows(std::string_view text, const PixelLegend& legend);

// The picture as rows of characters; a colour missing from the legend is written as '?'.
std::string FormatPixelRows(const PixelBuffer& picture, const PixelLegend& legend);

}  // namespace orvane
