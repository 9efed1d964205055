#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace orvane::win {

class SpinBox;

// How a cell's width is found.
enum class CellKind {
    Label,   // its text
    Check,   // box + text
    Link,    // text without the link markup
    Button,  // text with padding, at least the usual button width
    Combo,   // widest item + arrow, or the fixed width when that is larger
    Fixed,   // the fixed width
    Spin,    // a SpinBox of the fixed width
};

// One control in a row. Widths and heights given are at 96 DPI.
struct LayoutCell {
    HWND Control = nullptr;
    CellKind Kind = CellKind::Label;
    int Width96 = 0;
    int Height96 = 0;          // 0: one line of text
    SpinBox* Spin = nullptr;   // for CellKind::Spin
    std::wstring MeasureText;  // measured instead of the window text when set
    HWND Overlay = nullptr;    // shares the cell's place (only one of the two is visible)
    HWND Below = nullptr;      // a label under the cell, as wide as the row allows
};

struct LayoutRow {
    int Indent96 = 0;
    int SpaceBefore96 = 0;
    bool AlignTop = false;
    std::vector<LayoutCell> Cells;
};

using PageLayout = std::vector<LayoutRow>;

LayoutCell Cell(HWND control, CellKind kind, int width96 = 0, int height96 = 0);
LayoutCell Spin(SpinBox& box, int width96);
LayoutRow Row(std::initializer_list<LayoutCell> cells, int indent96 = 0, int space96 = 0);

// Places rows of controls from measured text, so that no caption is cut at any DPI.
class DialogLayout {
  public:
    DialogLayout(HDC dc, int dpi, HFONT font);

    int Scale(int n96) const;
    int LineHeight() const { return lineHeight_; }
    int EditHeight() const;

    // The room the rows take.
    SIZE Measure(const PageLayout& page) const;
    // Moves the controls of the rows into place with the top-left corner at `origin`.
    void Place(const PageLayout& page, POINT origin) const;

    int TextWidth(HWND control, const std::wstring& text) const;
    int CellWidth(const LayoutCell& cell) const;

  private:
    int CellHeight(const LayoutCell& cell) const;
    int RowHeight(const LayoutRow& row) const;
    int RowWidth(const LayoutRow& row) const;
    void PlaceCell(const LayoutCell& cell, int x, int y, int w, int rowHeight, bool top) const;

    HDC dc_;
    int dpi_;
    HFONT font_;
    int lineHeight_ = 0;
};

}  // namespace orvane::win
