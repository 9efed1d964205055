#include "processes/core/MenuItemLayout.h"

#include "common/core/DpiScale.h"

namespace orvane {

MenuItemSize MeasureMenuItem(bool separator, int captionWidth, int textHeight, int proposedWidth,
                             int dpi) {
    if (separator) {
        return {proposedWidth, ScaleByDpi(6, dpi)};
    }
    return {captionWidth + ScaleByDpi(27, dpi) + ScaleByDpi(100, dpi),
            textHeight + ScaleByDpi(7, dpi)};
}

Point MenuIconOrigin(const Rect& item, int iconSize, bool glyph, bool dark, int dpi) {
    const int y = (item.top + item.bottom - iconSize) / 2;
    if (glyph) {
        return {item.left + ScaleByDpi(5, dpi), y};
    }
    return {item.left + ScaleByDpi(4, dpi) + (dark ? ScaleByDpi(2, dpi) : 0), y};
}

Rect MenuTextRect(const Rect& item, bool memoryLine, int iconSize, int textHeight, int dpi) {
    const int left =
        memoryLine ? item.left + ScaleByDpi(6, dpi) : item.left + iconSize + ScaleByDpi(10, dpi);
    return {left, (item.top + item.bottom - textHeight) / 2, item.right, item.bottom};
}

Rect MenuValueRect(const Rect& item, int textTop, int valueWidth, int dpi) {
    const int right = item.right - ScaleByDpi(10, dpi);
    return {right - valueWidth, textTop, right, item.bottom};
}

LineSegment DarkSeparatorLine(const Rect& item, int dpi) {
    const int mid = (item.top + item.bottom) / 2;
    // Reaches to Left + Right: past the item's right edge, where the menu clips it.
    return {{item.left + ScaleByDpi(25, dpi), mid}, {item.left + item.right, mid}};
}

LineSegment ClassicSeparatorLine(const Rect& item, int offset) {
    const int mid = (item.top + item.bottom) / 2 + offset;
    return {{item.left + 2, mid}, {item.right - 2, mid}};
}

Rect ThemedSeparatorRect(const Rect& item, int dpi) {
    return {2 * item.left + ScaleByDpi(25, dpi), item.top, item.right, item.bottom};
}

}  // namespace orvane
