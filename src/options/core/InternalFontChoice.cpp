#include "options/core/InternalFontChoice.h"

#include "options/core/OptionsCaptions.h"

namespace orvane {

InternalFontChoice ChooseInternalFont(bool internalFont, int dpi) {
    const bool available = dpi <= kInternalFontMaxDpi;
    InternalFontChoice choice;
    choice.Checked = internalFont && available;
    choice.Enabled = available;
    choice.Caption = std::wstring(kCaptionInternalFont) + (available ? L"" : L" *");
    choice.ShowScaleWarning = !available;
    return choice;
}

}  // namespace orvane
