#include "app/core/AboutLayout.h"

#include <algorithm>

#include "common/core/DpiScale.h"

namespace orvane {

AboutLayout LayoutAbout(const AboutTexts& texts, int iconSize, int dpi) {
    auto s = [dpi](int n) { return ScaleByDpi(n, dpi); };
    const int margin = s(16);
    const int gap = s(6);
    const int pad = s(4);  // room beyond the measured text, for the controls' own edges

    AboutLayout l;
    l.Icon = {margin, margin, margin + iconSize, margin + iconSize};
    const int column = l.Icon.right + margin;
    const int width =
        std::max({texts.Name.cx, texts.Version.cx, texts.Rights.cx, texts.Update.cx, s(220)}) + pad;
    int y = margin;
    for (auto [rect, size] : {std::pair{&l.Name, texts.Name},
                              {&l.Version, texts.Version},
                              {&l.Rights, texts.Rights},
                              {&l.Update, texts.Update}}) {
        *rect = {column, y, column + width, y + size.cy + pad};
        y = rect->bottom + gap;
    }
    const int contentBottom = std::max(l.Icon.bottom, l.Update.bottom);
    const int buttonWidth = std::max(s(88), texts.Button.cx + s(24));
    const int buttonHeight = std::max(s(26), texts.Button.cy + s(10));
    l.ClientWidth = column + width + margin;
    const int buttonTop = contentBottom + s(14);
    l.Button = {l.ClientWidth - margin - buttonWidth, buttonTop, l.ClientWidth - margin,
                buttonTop + buttonHeight};
    l.ClientHeight = l.Button.bottom + margin;
    return l;
}

}  // namespace orvane
