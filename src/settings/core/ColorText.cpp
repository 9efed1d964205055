#include "settings/core/ColorText.h"

#include <array>

#include "common/core/HexDigit.h"

namespace orvane {

namespace {

// Indexed by the system colour's COLOR_ number.
constexpr std::array<std::wstring_view, kSystemColorCount> kSystemColorNames = {
    L"ScrollBar",
    L"Background",
    L"ActiveCaption",
    L"InactiveCaption",
    L"Menu",
    L"Window",
    L"WindowFrame",
    L"MenuText",
    L"WindowText",
    L"CaptionText",
    L"ActiveBorder",
    L"InactiveBorder",
    L"AppWorkSpace",
    L"Highlight",
    L"HighlightText",
    L"ThreeDFace",
    L"ButtonShadow",
    L"GrayText",
    L"ButtonText",
    L"InactiveCaptionText",
    L"ButtonHighlight",
    L"ThreeDDarkShadow",
    L"ThreeDHighlight",
    L"InfoText",
    L"InfoBackground",
};

// The byte written by the hexadecimal pair at `pos`, or -1.
int HexPair(std::wstring_view text, std::size_t pos) {
    if (pos + 2 > text.size()) {
        return -1;
    }
    const int high = HexDigitValue(text[pos]);
    const int low = HexDigitValue(text[pos + 1]);
    return high < 0 || low < 0 ? -1 : high * 16 + low;
}

}  // namespace

std::wstring_view SystemColorName(ColorValue color) {
    return IsSystemColor(color) ? kSystemColorNames[SystemColorIndex(color)] : std::wstring_view{};
}

std::wstring ColorToText(ColorValue color) {
    if (IsSystemColor(color)) {
        return std::wstring(SystemColorName(color));
    }
    static constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
    std::wstring text;
    for (const int byte : {RedOf(color), GreenOf(color), BlueOf(color)}) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0xF];
    }
    return text;
}

ColorValue TextToColor(std::wstring_view text) {
    if (!text.empty() && text.front() == L'#') {
        text.remove_prefix(1);
    }
    for (int index = 0; index < kSystemColorCount; ++index) {
        if (text == kSystemColorNames[index]) {
            return SystemColor(index);
        }
    }
    const int red = HexPair(text, 0);
    const int green = HexPair(text, 2);
    const int blue = HexPair(text, 4);
    if (red < 0 || green < 0 || blue < 0) {
        return kAutomaticColor;
    }
    return RgbColor(red, green, blue);
}

}  // namespace orvane
