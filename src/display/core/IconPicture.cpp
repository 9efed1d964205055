#include "display/core/IconPicture.h"

#include <algorithm>
#include <cstdlib>

#include "common/core/DpiScale.h"
#include "display/core/GaugeFormat.h"

namespace orvane {

namespace {

constexpr std::size_t kMaxValueChars = 4;
constexpr int kPercentCell = 10;
constexpr int kGlyphAdvance = 4;

void EraseAll(std::wstring& text, const std::wstring& part) {
    if (part.empty()) {
        return;
    }
    for (std::size_t at = text.find(part); at != std::wstring::npos; at = text.find(part, at)) {
        text.erase(at, part.size());
    }
}

std::int64_t Signed(std::uint64_t v) {
    return static_cast<std::int64_t>(v);
}

// Start offset and spacing of an n-character text on the strips.
struct StripLayout {
    int Offset = 0;
    int Gap = 0;
};

StripLayout LayoutFor(std::size_t n, int dpi, int iconSize) {
    switch (n) {
        case 1:
            return {dpi == 96 ? 4 : 7, 0};
        case 2:
            return {3, 2};
        case 3:
            if (dpi == 96)
                return {0, 1};
            if (dpi == 120)
                return {0, 2};
            if (dpi == 144)
                return {0, 3};
            // In-between DPIs use the 8-pixel cells: spread them over the icon, at most as
            // wide as at 144 DPI.
            return {0, std::clamp((iconSize - 7) / 2 - kGlyphAdvance, 0, 3)};
        default:
            return {2, 0};
    }
}

int CellOf(wchar_t ch) {
    if (ch >= L'0' && ch <= L'9') {
        return ch - L'0';
    }
    return ch == L'%' ? kPercentCell : -1;
}

}  // namespace

std::wstring IconValueText(const OrvaneOptions& o, const MemorySnapshot& s,
                           const NumberSeparators& sep) {
    std::wstring text;
    const std::uint32_t load = s.MemoryLoad;
    if (o.ShowPercentage) {
        text = std::to_wstring(o.ShowFree ? 100 - static_cast<std::int64_t>(load) : load);
        if (o.ShowPercSign) {
            text += L'%';
        }
    } else if (o.ShowFree) {
        if (o.ShowPage) {
            text = FormatGaugeValue(Signed(s.AvailPageFile), sep);
        } else if (load >= 98) {
            text = L"0";
        } else {
            text = FormatGaugeValue(Signed(s.AvailPhys), sep);
        }
    } else if (o.ShowPage) {
        text = FormatGaugeValue(Signed(s.TotalPageFile) - Signed(s.AvailPageFile), sep);
    } else {
        text = FormatGaugeValue(Signed(s.TotalPhys) - Signed(s.AvailPhys), sep);
    }
    if (text.size() > kMaxValueChars) {
        text.resize(kMaxValueChars);
    }
    return text;
}

std::uint64_t DisplayedTotalOf(const OrvaneOptions& o, const MemorySnapshot& s) {
    return o.ShowPage ? s.TotalPageFile : s.TotalPhys;
}

IconText MakeIconText(const OrvaneOptions& o, const MemorySnapshot& s, const NumberSeparators& sep,
                      int dpi) {
    IconText t;
    t.Value = IconValueText(o, s, sep);
    const std::size_t at = sep.Decimal.empty() ? std::wstring::npos : t.Value.find(sep.Decimal);
    t.DecimalPos = at == std::wstring::npos ? 0 : static_cast<int>(at) + 1;
    t.StripPath = o.InternalFont && dpi <= kMaxStripDpi;
    t.Drawn = t.Value;
    if (t.StripPath) {
        EraseAll(t.Drawn, sep.Thousands);
        EraseAll(t.Drawn, sep.Decimal);
    }
    return t;
}

IconGeometry ComputeIconGeometry(const OrvaneOptions& o, std::uint32_t load, int iconSize,
                                 int dpi) {
    IconGeometry g;
    const int n = iconSize;
    g.Step = ScaleByDpi(3, dpi);
    g.BarTop = o.BarBottom ? n / 2 + g.Step : 0;
    g.BarHeight = n / 2 - g.Step;
    const std::int64_t right = static_cast<std::int64_t>(load) * n / 100;
    if (right < 1) {
        g.BarRight = 1;
    } else if (right >= n - 1) {
        g.BarRight = (o.StandardGauge || !o.TransBk) ? n - 1 : n;
    } else {
        g.BarRight = static_cast<int>(right);
    }
    return g;
}

ColorValue LoadColor(const OrvaneOptions& o, const IconColors& c, std::uint32_t load) {
    const std::int64_t l = load;
    if (l < o.YellowPercent) {
        return c.Green;
    }
    return l < o.RedPercent ? c.Yellow : c.Red;
}

ColorValue DigitColor(const OrvaneOptions& o, const IconColors& c, std::uint32_t load) {
    return o.DigitsColored ? LoadColor(o, c, load) : c.Font;
}

void DrawIconBackground(PixelBuffer& canvas, const OrvaneOptions& o, std::uint32_t load,
                        const IconColors& c, int dpi) {
    const int n = canvas.Width();
    const IconGeometry g = ComputeIconGeometry(o, load, n, dpi);
    const ColorValue background = o.TransBk ? kTransparentKey : c.Background;
    const int barBottom = g.BarTop + g.BarHeight - 1;

    canvas.FillRect(Rect{0, 0, n, n}, background);
    canvas.FillRect(Rect{0, g.BarTop, g.BarRight, barBottom}, LoadColor(o, c, load));
    if (o.FullBar) {
        const int fullRight = (o.StandardGauge || !o.TransBk) ? n - 1 : n;
        canvas.FillRect(Rect{g.BarRight, g.BarTop, fullRight, barBottom}, c.BarBackground);
    }
    if (o.StandardGauge && g.Step > 0) {
        const int top = (o.TransBk && !o.BarBottom) ? g.BarTop - 1 : g.BarTop;
        for (int x = g.Step; x <= n - 1; x += g.Step) {
            canvas.FillRect(Rect{x, top, x + 1, top + g.BarHeight}, background);
        }
    }
}

void DrawStripDigits(PixelBuffer& canvas, const OrvaneOptions& o, const IconText& text,
                     ColorValue digitColor, int dpi, DigitStrips& strips, PixelBuffer& glyph) {
    const int n = canvas.Width();
    const std::size_t count = text.Drawn.size();
    if (count < 1 || count > 4) {
        return;
    }
    int y = o.BarBottom ? 0 : n / 2 - 1;
    if (!o.BarBottom && dpi == 144) {
        --y;
    }
    StripLayout layout = LayoutFor(count, dpi, n);
    PicClip& strip = strips.GetPicClip(count == 4 ? 4 : 3, dpi);
    const int dotRow = y + strips.GetPicClip(3, dpi).CellHeight() - 1;
    const bool magentaText = o.FontColor == kStripPaper;

    for (std::size_t i = 0; i < count; ++i) {
        int x = layout.Offset + static_cast<int>(i) * (kGlyphAdvance + layout.Gap);
        if (static_cast<int>(i) + 1 == text.DecimalPos) {
            const int dotX = x + (dpi > 120 ? 1 : 0);
            canvas.SetPixel(dotX, dotRow, digitColor);
            if (dpi >= 120) {
                canvas.SetPixel(dotX, dotRow - 1, digitColor);
                canvas.SetPixel(dotX, dotRow - 2, digitColor);
            }
            layout.Offset += 2;
            x += 2;
        }
        const int cell = CellOf(text.Drawn[i]);
        if (cell < 0) {
            continue;  // no glyph for it: leave the place empty
        }
        glyph = strip.GetCell(cell);
        if (magentaText) {
            glyph.ReplaceColor(kStripPaper, kTransparentKey);
            glyph.ReplaceColor(kStripInk, digitColor);
            canvas.DrawTransparent(glyph, x, y, kTransparentKey);
        } else {
            glyph.ReplaceColor(kStripInk, digitColor);
            canvas.DrawTransparent(glyph, x, y, kStripPaper);
        }
    }
}

bool TakeRedraw(std::wstring& lastDrawText, const std::wstring& drawn, bool haveSummary) {
    if (drawn == lastDrawText && haveSummary) {
        return false;
    }
    lastDrawText = drawn;
    return true;
}

void DrawIconPicture(PixelBuffer& canvas, const OrvaneOptions& o, std::uint32_t load,
                     const IconText& text, const IconColors& c, int dpi, DigitStrips& strips,
                     PixelBuffer& glyph) {
    DrawIconBackground(canvas, o, load, c, dpi);
    if (text.StripPath) {
        DrawStripDigits(canvas, o, text, DigitColor(o, c, load), dpi, strips, glyph);
    }
}

Point FontTextOrigin(const OrvaneOptions& o, int iconSize, int dpi, int textWidth) {
    const int x = (iconSize - std::abs(textWidth)) / 2 - 1;
    const int y = o.BarBottom ? -1 : iconSize / 2 - ScaleByDpi(3, dpi);
    return Point{x, y};
}

}  // namespace orvane
