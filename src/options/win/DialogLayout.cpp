#include "options/win/DialogLayout.h"

#include <commctrl.h>

#include <algorithm>

#include "common/core/DpiScale.h"
#include "common/win/Handles.h"
#include "options/win/SpinBox.h"

namespace orvane::win {

namespace {

constexpr int kCellGap = 6;
constexpr int kRowGap = 4;
constexpr int kCheckBoxRoom = 24;  // box, its gap and the focus frame
constexpr int kButtonPadding = 24;
constexpr int kButtonMinWidth = 80;
constexpr int kComboArrowRoom = 34;
constexpr int kSpinArrows = 18;

std::wstring WindowText(HWND control) {
    const int n = ::GetWindowTextLengthW(control);
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    ::GetWindowTextW(control, text.data(), n + 1);
    text.resize(static_cast<size_t>(n));
    return text;
}

// The text as shown: link markup and mnemonic markers taken out.
std::wstring ShownText(std::wstring text) {
    for (const wchar_t* tag : {L"<a>", L"</a>"}) {
        for (size_t p; (p = text.find(tag)) != std::wstring::npos;) {
            text.erase(p, std::wcslen(tag));
        }
    }
    std::wstring shown;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size()) {
            ++i;
        }
        shown += text[i];
    }
    return shown;
}

}  // namespace

LayoutCell Cell(HWND control, CellKind kind, int width96, int height96) {
    LayoutCell cell;
    cell.Control = control;
    cell.Kind = kind;
    cell.Width96 = width96;
    cell.Height96 = height96;
    return cell;
}

LayoutCell Spin(SpinBox& box, int width96) {
    LayoutCell cell = Cell(box.Edit(), CellKind::Spin, width96);
    cell.Spin = &box;
    return cell;
}

LayoutRow Row(std::initializer_list<LayoutCell> cells, int indent96, int space96) {
    LayoutRow row;
    row.Cells = cells;
    row.Indent96 = indent96;
    row.SpaceBefore96 = space96;
    return row;
}

DialogLayout::DialogLayout(HDC dc, int dpi, HFONT font) : dc_(dc), dpi_(dpi), font_(font) {
    SelectObjectGuard select(dc_, font_);
    TEXTMETRICW tm{};
    ::GetTextMetricsW(dc_, &tm);
    lineHeight_ = tm.tmHeight;
}

int DialogLayout::Scale(int n96) const {
    return ScaleByDpi(n96, dpi_);
}

int DialogLayout::EditHeight() const {
    return lineHeight_ + Scale(9);
}

int DialogLayout::TextWidth(HWND control, const std::wstring& text) const {
    const auto font = reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0));
    SelectObjectGuard select(dc_, font ? font : font_);
    const std::wstring shown = ShownText(text);
    SIZE size{};
    ::GetTextExtentPoint32W(dc_, shown.c_str(), static_cast<int>(shown.size()), &size);
    return size.cx;
}

int DialogLayout::CellWidth(const LayoutCell& cell) const {
    const std::wstring text =
        cell.MeasureText.empty() ? WindowText(cell.Control) : cell.MeasureText;
    switch (cell.Kind) {
        case CellKind::Label:
        case CellKind::Link:
            return TextWidth(cell.Control, text) + Scale(2);
        case CellKind::Check:
            return TextWidth(cell.Control, text) + Scale(kCheckBoxRoom);
        case CellKind::Button:
            return std::max(TextWidth(cell.Control, text) + Scale(kButtonPadding),
                            Scale(kButtonMinWidth));
        case CellKind::Combo: {
            int widest = 0;
            const auto n = static_cast<int>(::SendMessageW(cell.Control, CB_GETCOUNT, 0, 0));
            for (int i = 0; i < n; ++i) {
                const auto len = ::SendMessageW(cell.Control, CB_GETLBTEXTLEN, i, 0);
                std::wstring item(static_cast<size_t>(std::max<LRESULT>(len, 0)) + 1, L'\0');
                ::SendMessageW(cell.Control, CB_GETLBTEXT, i,
                               reinterpret_cast<LPARAM>(item.data()));
                item.resize(static_cast<size_t>(std::max<LRESULT>(len, 0)));
                widest = std::max(widest, TextWidth(cell.Control, item));
            }
            return std::max(widest + Scale(kComboArrowRoom), Scale(cell.Width96));
        }
        case CellKind::Fixed:
        case CellKind::Spin:
            return Scale(cell.Width96);
    }
    return 0;
}

int DialogLayout::CellHeight(const LayoutCell& cell) const {
    if (cell.Height96 > 0) {
        return Scale(cell.Height96);
    }
    switch (cell.Kind) {
        case CellKind::Button:
            return std::max(lineHeight_ + Scale(10), Scale(25));
        case CellKind::Combo:
        case CellKind::Spin:
        case CellKind::Fixed:
            return EditHeight();
        default:
            return lineHeight_ + Scale(4);
    }
}

int DialogLayout::RowHeight(const LayoutRow& row) const {
    int h = 0;
    for (const LayoutCell& cell : row.Cells) {
        int cellHeight = CellHeight(cell);
        if (cell.Below) {
            cellHeight += Scale(kRowGap) + 2 * (lineHeight_ + Scale(2));
        }
        h = std::max(h, cellHeight);
    }
    return h;
}

int DialogLayout::RowWidth(const LayoutRow& row) const {
    int w = Scale(row.Indent96);
    for (size_t i = 0; i < row.Cells.size(); ++i) {
        w += (i ? Scale(kCellGap) : 0) + CellWidth(row.Cells[i]);
    }
    return w;
}

SIZE DialogLayout::Measure(const PageLayout& page) const {
    SIZE size{0, 0};
    for (const LayoutRow& row : page) {
        size.cx = std::max<LONG>(size.cx, RowWidth(row));
        size.cy += Scale(row.SpaceBefore96) + RowHeight(row) + Scale(kRowGap);
    }
    return size;
}

void DialogLayout::Place(const PageLayout& page, POINT origin) const {
    const int pageWidth = Measure(page).cx;
    int y = origin.y;
    for (const LayoutRow& row : page) {
        y += Scale(row.SpaceBefore96);
        const int h = RowHeight(row);
        int x = origin.x + Scale(row.Indent96);
        for (const LayoutCell& cell : row.Cells) {
            const int w = CellWidth(cell);
            PlaceCell(cell, x, y, w, row.AlignTop ? CellHeight(cell) : h, row.AlignTop);
            if (cell.Below) {
                const int top = y + CellHeight(cell) + Scale(kRowGap);
                ::SetWindowPos(cell.Below, nullptr, x, top, origin.x + pageWidth - x,
                               2 * (lineHeight_ + Scale(2)), SWP_NOZORDER | SWP_NOACTIVATE);
            }
            x += w + Scale(kCellGap);
        }
        y += h + Scale(kRowGap);
    }
}

void DialogLayout::PlaceCell(const LayoutCell& cell, int x, int y, int w, int rowHeight,
                             bool top) const {
    const int h = CellHeight(cell);
    const int cy = top ? y : y + (rowHeight - h) / 2;
    constexpr UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (cell.Kind == CellKind::Spin && cell.Spin) {
        cell.Spin->Place(x, cy, w, h, Scale(kSpinArrows));
        return;
    }
    // A drop-down list is given room for its list; its own height is the selection field's.
    const int height = cell.Kind == CellKind::Combo ? h + Scale(200) : h;
    for (HWND control : {cell.Control, cell.Overlay}) {
        if (control) {
            ::SetWindowPos(control, nullptr, x, cy, w, height, flags);
        }
    }
}

}  // namespace orvane::win
