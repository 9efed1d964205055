#pragma once

#include <string>

namespace orvane {

// The built-in digits are drawn for up to 150 % scaling; above it they would be too small.
inline constexpr int kInternalFontMaxDpi = 144;

// How the internal-font box starts at `dpi` pixels per inch.
struct InternalFontChoice {
    bool Checked = false;
    bool Enabled = true;
    std::wstring Caption;  // with " *" when the font is unavailable
    bool ShowScaleWarning = false;
};

InternalFontChoice ChooseInternalFont(bool internalFont, int dpi);

}  // namespace orvane
