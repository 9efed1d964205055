#include "history/win/HistoryChartPainter.h"

#include <algorithm>
#include <climits>

#include "common/core/DpiScale.h"
#include "common/win/Handles.h"

namespace orvane::win {

namespace {

COLORREF Blend(COLORREF a, COLORREF b, int percentOfB) {
    const auto mix = [&](int x, int y) { return (x * (100 - percentOfB) + y * percentOfB) / 100; };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)),
               mix(GetBValue(a), GetBValue(b)));
}

class TextRecorder {
  public:
    TextRecorder(HDC dc, COLORREF color) : dc_(dc) {
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, color);
    }
    // Draws `text` in `box` with `format` and records the text's extent.
    void Draw(const std::wstring& text, RECT box, UINT format) {
        SIZE extent{};
        ::GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &extent);
        ::DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &box,
                    format | DT_SINGLELINE | DT_NOPREFIX);
        drawn.push_back({text, box, extent});
    }
    std::vector<DrawnText> drawn;

  private:
    HDC dc_;
};

void HorizontalLine(HDC dc, const Rect& plot, int y, COLORREF color, int width, int style) {
    const UniquePen pen(::CreatePen(style, width, color));
    SelectObjectGuard selected(dc, pen.get());
    ::MoveToEx(dc, plot.left, y, nullptr);
    ::LineTo(dc, plot.right, y);
}

// The load as a filled area, coloured by band as the icon colours its bar.
void PaintArea(HDC dc, const Rect& plot, const ChartPicture& picture, const ChartColors& colors) {
    const ChartData& data = picture.Data;
    if (data.Samples.empty()) {
        return;
    }
    std::vector<POINT> points;
    points.reserve(data.Samples.size() + 2);
    points.push_back(
        {XOfTime(plot, data.StartMs, data.EndMs, data.Samples.front().EpochMs), plot.bottom});
    for (const ChartSample& sample : data.Samples) {
        points.push_back(
            {XOfTime(plot, data.StartMs, data.EndMs, sample.EpochMs), YOfLoad(plot, sample.Load)});
    }
    points.push_back({points.back().x, plot.bottom});
    const int yellowY = YOfLoad(plot, picture.YellowPercent * 100);
    const int redY = YOfLoad(plot, picture.RedPercent * 100);
    const struct {
        int top;
        int bottom;
        COLORREF color;
    } bands[] = {{yellowY, plot.bottom, colors.Green},
                 {redY, yellowY, colors.Yellow},
                 {plot.top, redY, colors.Red}};
    for (const auto& band : bands) {
        if (band.bottom <= band.top) {
            continue;
        }
        const UniqueRegion clip(::CreateRectRgn(plot.left, band.top, plot.right, band.bottom));
        ::SelectClipRgn(dc, clip.get());
        const UniqueBrush fill(::CreateSolidBrush(Blend(band.color, colors.Background, 35)));
        const UniquePen edge(::CreatePen(PS_SOLID, 1, band.color));
        SelectObjectGuard brush(dc, fill.get());
        SelectObjectGuard pen(dc, edge.get());
        ::Polygon(dc, points.data(), static_cast<int>(points.size()));
        ::SelectClipRgn(dc, nullptr);
    }
}

void PaintMarkers(HDC dc, const Rect& plot, int dpi, const ChartPicture& picture,
                  const ChartColors& colors, TextRecorder& text) {
    const ChartData& data = picture.Data;
    const int triangle = ScaleByDpi(5, dpi);
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    int row = 0;
    for (const ChartMarker& marker : data.Markers) {
        const int x = XOfTime(plot, data.StartMs, data.EndMs, marker.EpochMs);
        const COLORREF color = marker.Kind == kMarkTrim ? colors.Text : colors.Red;
        {
            const UniquePen pen(::CreatePen(PS_DOT, 1, color));
            SelectObjectGuard selected(dc, pen.get());
            ::MoveToEx(dc, x, plot.top, nullptr);
            ::LineTo(dc, x, plot.bottom);
        }
        const UniqueBrush fill(::CreateSolidBrush(color));
        const UniquePen edge(::CreatePen(PS_SOLID, 1, color));
        SelectObjectGuard brush(dc, fill.get());
        SelectObjectGuard pen(dc, edge.get());
        const POINT tip[] = {
            {x - triangle, plot.top}, {x + triangle, plot.top}, {x, plot.top + triangle}};
        ::Polygon(dc, tip, 3);
        // The caption beside the line, rows staggered so neighbours do not cover each other.
        const std::wstring caption = MarkerText(marker);
        SIZE extent{};
        ::GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
        const int top = plot.top + triangle + 2 + (row % 3) * metrics.tmHeight;
        int left = x + 3;
        if (left + extent.cx > plot.right) {
            left = x - 3 - extent.cx;
        }
        text.Draw(caption, {left, top, left + extent.cx, top + metrics.tmHeight}, DT_LEFT);
        ++row;
    }
}

void PaintHover(HDC dc, const Rect& plot, int dpi, const ChartPicture& picture,
                const ChartColors& colors, TextRecorder& text) {
    if (!picture.HoverX || picture.HoverLines.empty()) {
        return;
    }
    const int x = *picture.HoverX;
    {
        const UniquePen pen(::CreatePen(PS_SOLID, 1, colors.Text));
        SelectObjectGuard selected(dc, pen.get());
        ::MoveToEx(dc, x, plot.top, nullptr);
        ::LineTo(dc, x, plot.bottom);
    }
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    const int pad = ScaleByDpi(4, dpi);
    int width = 0;
    for (const std::wstring& line : picture.HoverLines) {
        SIZE extent{};
        ::GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &extent);
        width = std::max<int>(width, extent.cx);
    }
    const int height = static_cast<int>(picture.HoverLines.size()) * metrics.tmHeight;
    int left = x + pad * 2;
    if (left + width + 2 * pad > plot.right) {
        left = std::max(plot.left, x - pad * 2 - width - 2 * pad);
    }
    const RECT box{left, plot.top + pad, left + width + 2 * pad, plot.top + pad + height + 2 * pad};
    const UniqueBrush fill(::CreateSolidBrush(colors.Background));
    const UniquePen edge(::CreatePen(PS_SOLID, 1, colors.Text));
    SelectObjectGuard brush(dc, fill.get());
    SelectObjectGuard pen(dc, edge.get());
    ::Rectangle(dc, box.left, box.top, box.right, box.bottom);
    int y = box.top + pad;
    for (const std::wstring& line : picture.HoverLines) {
        text.Draw(line, {box.left + pad, y, box.right - pad, y + metrics.tmHeight}, DT_LEFT);
        y += metrics.tmHeight;
    }
}

}  // namespace

std::vector<DrawnText> PaintChart(HDC dc, const RECT& client, const ChartLayout& layout, int dpi,
                                  HFONT font, const ChartPicture& picture,
                                  const ChartColors& colors) {
    SelectObjectGuard selectedFont(dc, font);
    {
        const UniqueBrush background(::CreateSolidBrush(colors.Background));
        ::FillRect(dc, &client, background.get());
    }
    TextRecorder text(dc, colors.Text);
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    const Rect& plot = layout.Plot;
    const int labelGap = ScaleByDpi(4, dpi);
    // Load grid and labels.
    for (const int percent : {0, 25, 50, 75, 100}) {
        const int y = YOfLoad(plot, percent * 100);
        if (percent != 0 && percent != 100) {
            HorizontalLine(dc, plot, y, colors.Grid, 1, PS_SOLID);
        }
        const std::wstring label = std::to_wstring(percent) + L"%";
        const int left = plot.left - labelGap - layout.LoadLabelWidth;
        text.Draw(label,
                  {left, y - metrics.tmHeight / 2, plot.left - labelGap,
                   y - metrics.tmHeight / 2 + metrics.tmHeight},
                  DT_RIGHT);
    }
    PaintArea(dc, plot, picture, colors);
    HorizontalLine(dc, plot, YOfLoad(plot, picture.YellowPercent * 100), colors.Yellow,
                   ScaleByDpi(1, dpi), PS_SOLID);
    HorizontalLine(dc, plot, YOfLoad(plot, picture.RedPercent * 100), colors.Red,
                   ScaleByDpi(1, dpi), PS_SOLID);
    {
        const UniquePen frame(::CreatePen(PS_SOLID, 1, colors.Grid));
        SelectObjectGuard pen(dc, frame.get());
        SelectObjectGuard brush(dc, ::GetStockObject(NULL_BRUSH));
        ::Rectangle(dc, plot.left, plot.top, plot.right, plot.bottom);
    }
    // Time labels, centred under their instants, skipped where they would overlap or leave the
    // window.
    int lastRight = INT_MIN;
    for (const TimeLabel& label : TimeLabelsOf(picture.Data)) {
        const int x = XOfTime(plot, picture.Data.StartMs, picture.Data.EndMs, label.EpochMs);
        SIZE extent{};
        ::GetTextExtentPoint32W(dc, label.Text.c_str(), static_cast<int>(label.Text.size()),
                                &extent);
        const int left = x - extent.cx / 2;
        if (left <= lastRight + labelGap || left < client.left || left + extent.cx > client.right) {
            continue;
        }
        text.Draw(
            label.Text,
            {left, layout.TimeLabelTop, left + extent.cx, layout.TimeLabelTop + metrics.tmHeight},
            DT_CENTER);
        lastRight = left + extent.cx;
    }
    PaintMarkers(dc, plot, dpi, picture, colors, text);
    PaintHover(dc, plot, dpi, picture, colors, text);
    int y = layout.Suspects.top;
    for (const std::wstring& line : picture.SuspectLines) {
        text.Draw(line, {layout.Suspects.left, y, layout.Suspects.right, y + metrics.tmHeight},
                  DT_LEFT | DT_END_ELLIPSIS);
        y += metrics.tmHeight;
    }
    return text.drawn;
}

}  // namespace orvane::win
