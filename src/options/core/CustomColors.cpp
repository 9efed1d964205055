#include "options/core/CustomColors.h"

#include "settings/core/ColorText.h"

namespace orvane {

namespace {

std::wstring_view TrimBlanks(std::wstring_view text) {
    const std::size_t first = text.find_first_not_of(L" \t");
    if (first == std::wstring_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

// One item: exactly six hexadecimal digits (after an optional "#"), else an empty slot. A
// system-colour name is no custom colour.
ColorValue DecodeItem(std::wstring_view item) {
    item = TrimBlanks(item);
    const std::size_t digits = item.starts_with(L'#') ? 7 : 6;
    const ColorValue color = item.size() == digits ? TextToColor(item) : kAutomaticColor;
    return color == kAutomaticColor || IsSystemColor(color) ? kEmptyCustomColor : color;
}

}  // namespace

CustomColors EmptyCustomColors() {
    CustomColors colors;
    colors.fill(kEmptyCustomColor);
    return colors;
}

std::wstring EncodeCustomColors(const CustomColors& colors) {
    std::wstring text;
    for (const ColorValue color : colors) {
        if (!text.empty()) {
            text += L',';
        }
        // Only plain colours are custom: the dialog hands out 0x00BBGGRR values.
        text += ColorToText(static_cast<ColorValue>(static_cast<std::uint32_t>(color) & 0xFFFFFFu));
    }
    return text;
}

CustomColors DecodeCustomColors(std::wstring_view text) {
    CustomColors colors = EmptyCustomColors();
    std::size_t slot = 0;
    while (slot < kCustomColorCount && !text.empty()) {
        const std::size_t comma = text.find(L',');
        colors[slot++] = DecodeItem(text.substr(0, comma));
        text = comma == std::wstring_view::npos ? std::wstring_view{} : text.substr(comma + 1);
    }
    return colors;
}

}  // namespace orvane
