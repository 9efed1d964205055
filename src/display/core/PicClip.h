#pragma once

#include "display/core/PixelBuffer.h"

namespace orvane {

constexpr ColorValue kStripInk = RgbColor(0, 0, 0);
constexpr ColorValue kStripPaper = RgbColor(255, 0, 255);

// One strip of equally sized cells cut out one at a time.
class PicClip {
  public:
    PicClip() = default;
    PicClip(PixelBuffer picture, int rows, int cols);

    int Rows = 1;
    int Cols = 1;

    const PixelBuffer& Picture() const { return picture_; }
    int CellWidth() const;
    int CellHeight() const;

    // Copies cell `index` into the cell picture and returns it; the next call replaces its
    // content. An index outside the grid gives an empty cell picture.
    const PixelBuffer& GetCell(int index);
    // Copies cell `index` opaquely, magenta included, with its top-left corner at (x, y).
    void Draw(PixelBuffer& canvas, int x, int y, int index);

  private:
    PixelBuffer picture_;
    PixelBuffer cell_;
};

// Reads a strip written as '#'/'.' rows below one header line that numbers the cells.
PicClip ParseStrip(const char* rows, int cols);

}  // namespace orvane
