#include "display/win/IconBitmap.h"

#include <cstring>
#include <vector>

#include "display/core/IconPicture.h"

namespace orvane::win {

namespace {

// 0x00BBGGRR ⇄ the DIB's 0x00RRGGBB.
std::uint32_t SwapRedBlue(std::uint32_t c) {
    return ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}

BITMAPINFO TopDown32(int width, int height) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    return bi;
}

}  // namespace

DibCanvas::DibCanvas(int width, int height)
    : dc_(::CreateCompatibleDC(nullptr)), width_(width), height_(height) {
    const BITMAPINFO bi = TopDown32(width_, height_);
    void* bits = nullptr;
    bitmap_.reset(::CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dc_ || !bitmap_ || !bits) {
        return;
    }
    bits_ = static_cast<std::uint32_t*>(bits);
    previous_ = ::SelectObject(dc_.get(), bitmap_.get());
}

DibCanvas::DibCanvas(const PixelBuffer& picture) : DibCanvas(picture.Width(), picture.Height()) {
    Load(picture);
}

void DibCanvas::Load(const PixelBuffer& picture) {
    if (!bits_ || picture.Width() != width_ || picture.Height() != height_) {
        return;
    }
    ::GdiFlush();
    const auto& pixels = picture.Pixels();
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        bits_[i] = SwapRedBlue(static_cast<std::uint32_t>(pixels[i]));
    }
}

DibCanvas::~DibCanvas() {
    if (previous_) {
        ::SelectObject(dc_.get(), previous_);
    }
}

void DibCanvas::CopyTo(PixelBuffer& picture) const {
    if (!bits_) {
        return;
    }
    ::GdiFlush();
    picture.Resize(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            // GDI may leave bits in the unused alpha byte; only the colour counts.
            const std::uint32_t c = bits_[static_cast<std::size_t>(y) * width_ + x] & 0xFFFFFFu;
            picture.SetPixel(x, y, static_cast<ColorValue>(SwapRedBlue(c)));
        }
    }
}

UniqueIcon IconMaker::Make(const PixelBuffer& picture) {
    const int w = picture.Width();
    const int h = picture.Height();
    if (w <= 0 || h <= 0) {
        return UniqueIcon();
    }
    // An icon image as an .ico file holds it: the header (twice the height, for the two
    // planes), the colour plane and then the mask, both bottom-up, mask rows DWORD-aligned.
    // Transparent pixels are black in the colour plane: the system XORs the colour plane onto
    // the background where the mask is set, so any other colour would tint the taskbar. The
    // alpha byte repeats the mask (opaque 0xFF, transparent 0) where the mask's rows need
    // padding: the picture looks the same, and a tray that loses mask rows (Wine sends only
    // width × height bits of a mask whose rows are padded to 16 bits) still draws it right.
    // A width of whole 16-bit rows leaves the alpha out, which spares the system an alpha
    // plane per icon.
    const std::size_t colourBytes = static_cast<std::size_t>(w) * h * 4;
    const std::size_t maskStride = static_cast<std::size_t>((w + 31) / 32) * 4;
    image_.assign(sizeof(BITMAPINFOHEADER) + colourBytes + maskStride * h, 0);
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = w;
    header.biHeight = 2 * h;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    std::memcpy(image_.data(), &header, sizeof(header));
    std::uint8_t* const colour = image_.data() + sizeof(header);
    std::uint8_t* const mask = colour + colourBytes;
    const std::uint32_t opaque = w % 16 == 0 ? 0 : 0xFF000000u;
    for (int y = 0; y < h; ++y) {
        const std::size_t row = static_cast<std::size_t>(h - 1 - y);
        for (int x = 0; x < w; ++x) {
            const ColorValue c = picture.At(x, y);
            if (c == kTransparentKey) {
                mask[row * maskStride + x / 8] |= static_cast<std::uint8_t>(0x80u >> (x % 8));
                continue;
            }
            const std::uint32_t bgra = opaque | SwapRedBlue(static_cast<std::uint32_t>(c));
            std::memcpy(colour + (row * w + x) * 4, &bgra, 4);
        }
    }
    constexpr DWORD kIconFormatVersion = 0x00030000;
    return UniqueIcon(::CreateIconFromResourceEx(image_.data(), static_cast<DWORD>(image_.size()),
                                                 TRUE, kIconFormatVersion, w, h, LR_DEFAULTCOLOR));
}

UniqueIcon BitmapToIcon(const PixelBuffer& picture) {
    return IconMaker().Make(picture);
}

PixelBuffer ReadBitmapPixels(HBITMAP bitmap) {
    BITMAP bm{};
    if (!bitmap || ::GetObjectW(bitmap, sizeof(bm), &bm) == 0 || bm.bmWidth <= 0 ||
        bm.bmHeight <= 0) {
        return {};
    }
    BITMAPINFO bi = TopDown32(bm.bmWidth, bm.bmHeight);
    std::vector<std::uint32_t> bits(static_cast<std::size_t>(bm.bmWidth) * bm.bmHeight);
    const WindowDc screen(nullptr);
    if (::GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(bm.bmHeight), bits.data(), &bi,
                    DIB_RGB_COLORS) == 0) {
        return {};
    }
    PixelBuffer picture(bm.bmWidth, bm.bmHeight);
    for (int y = 0; y < bm.bmHeight; ++y) {
        for (int x = 0; x < bm.bmWidth; ++x) {
            const std::uint32_t c = bits[static_cast<std::size_t>(y) * bm.bmWidth + x];
            picture.SetPixel(x, y, static_cast<ColorValue>(SwapRedBlue(c & 0xFFFFFFu)));
        }
    }
    return picture;
}

UniqueIcon BitmapToIcon(HBITMAP bitmap) {
    return BitmapToIcon(ReadBitmapPixels(bitmap));
}

}  // namespace orvane::win
