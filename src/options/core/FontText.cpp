#include "options/core/FontText.h"

namespace orvane {

std::wstring FontPanelText(const FontSpec& font) {
    return font.Name + L", " + std::to_wstring(font.Size) + L"pt";
}

}  // namespace orvane
