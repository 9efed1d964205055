#include "display/core/PicClip.h"

#include <cstring>
#include <string_view>

namespace orvane {

PicClip::PicClip(PixelBuffer picture, int rows, int cols)
    : Rows(rows), Cols(cols), picture_(std::move(picture)) {}

int PicClip::CellWidth() const {
    return Cols > 0 ? picture_.Width() / Cols : 0;
}

int PicClip::CellHeight() const {
    return Rows > 0 ? picture_.Height() / Rows : 0;
}

const PixelBuffer& PicClip::GetCell(int index) {
    const int w = CellWidth();
    const int h = CellHeight();
    if (index < 0 || index >= Rows * Cols || w == 0 || h == 0) {
        cell_.Resize(0, 0);
        return cell_;
    }
    const int x = w * (index % Cols);
    const int y = h * (index / Cols);
    cell_.Resize(w, h);
    cell_.Draw(picture_, Rect{x, y, x + w, y + h}, 0, 0);
    return cell_;
}

void PicClip::Draw(PixelBuffer& canvas, int x, int y, int index) {
    const PixelBuffer& cell = GetCell(index);
    if (!cell.Empty()) {
        canvas.Draw(cell, Rect{0, 0, cell.Width(), cell.Height()}, x, y);
    }
}

PicClip ParseStrip(const char* rows, int cols) {
    std::string_view text(rows);
    while (!text.empty() && text.front() == '\n') {
        text.remove_prefix(1);
    }
    const std::size_t header = text.find('\n');
    text.remove_prefix(header == std::string_view::npos ? text.size() : header + 1);
    return PicClip(ParsePixelRows(text, {{'#', kStripInk}, {'.', kStripPaper}}), 1, cols);
}

}  // namespace orvane
