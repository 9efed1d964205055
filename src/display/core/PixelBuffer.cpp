#include "display/core/PixelBuffer.h"

#include <algorithm>
#include <string>

namespace orvane {

PixelBuffer::PixelBuffer(int width, int height, ColorValue fill) {
    Resize(width, height, fill);
}

void PixelBuffer::Resize(int width, int height, ColorValue fill) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    pixels_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill);
}

void PixelBuffer::SetPixel(int x, int y, ColorValue c) {
    if (Contains(x, y)) {
        pixels_[Index(x, y)] = c;
    }
}

void PixelBuffer::FillRect(Rect r, ColorValue c) {
    const int left = std::max(r.left, 0);
    const int top = std::max(r.top, 0);
    const int right = std::min(r.right, width_);
    const int bottom = std::min(r.bottom, height_);
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            pixels_[Index(x, y)] = c;
        }
    }
}

void PixelBuffer::ReplaceColor(ColorValue from, ColorValue to) {
    std::replace(pixels_.begin(), pixels_.end(), from, to);
}

template <typename PixelFn>
void PixelBuffer::Blend(const PixelBuffer& src, Rect area, int x, int y, PixelFn put) {
    area.left = std::max(area.left, 0);
    area.top = std::max(area.top, 0);
    area.right = std::min(area.right, src.width_);
    area.bottom = std::min(area.bottom, src.height_);
    for (int sy = area.top; sy < area.bottom; ++sy) {
        const int dy = y + sy - area.top;
        for (int sx = area.left; sx < area.right; ++sx) {
            const int dx = x + sx - area.left;
            if (Contains(dx, dy)) {
                put(pixels_[Index(dx, dy)], src.At(sx, sy));
            }
        }
    }
}

void PixelBuffer::Draw(const PixelBuffer& src, Rect area, int x, int y) {
    Blend(src, area, x, y, [](ColorValue& dst, ColorValue s) { dst = s; });
}

void PixelBuffer::DrawTransparent(const PixelBuffer& src, int x, int y, ColorValue key) {
    Blend(src, Rect{0, 0, src.width_, src.height_}, x, y, [key](ColorValue& dst, ColorValue s) {
        if (s != key) {
            dst = s;
        }
    });
}

PixelBuffer ParsePixelRows(std::string_view text, const PixelLegend& legend) {
    std::vector<std::vector<ColorValue>> rows;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::vector<ColorValue> row;
        for (const char ch : text.substr(start, end - start)) {
            if (ch == ' ' || ch == '\r' || ch == '\t') {
                continue;
            }
            const auto it = std::find_if(legend.begin(), legend.end(),
                                         [ch](const auto& entry) { return entry.first == ch; });
            if (it == legend.end()) {
                return {};
            }
            row.push_back(it->second);
        }
        if (!row.empty()) {
            if (!rows.empty() && row.size() != rows.front().size()) {
                return {};
            }
            rows.push_back(std::move(row));
        }
        start = end + 1;
    }
    if (rows.empty()) {
        return {};
    }
    PixelBuffer picture(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()));
    for (std::size_t y = 0; y < rows.size(); ++y) {
        for (std::size_t x = 0; x < rows[y].size(); ++x) {
            picture.SetPixel(static_cast<int>(x), static_cast<int>(y), rows[y][x]);
        }
    }
    return picture;
}

std::string FormatPixelRows(const PixelBuffer& picture, const PixelLegend& legend) {
    std::string text;
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            const ColorValue c = picture.At(x, y);
            const auto it = std::find_if(legend.begin(), legend.end(),
                                         [c](const auto& entry) { return entry.second == c; });
            text += it == legend.end() ? '?' : it->first;
        }
        text += '\n';
    }
    return text;
}

}  // namespace orvane
