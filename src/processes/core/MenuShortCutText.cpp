#include "processes/core/MenuShortCutText.h"

namespace orvane {

namespace {

const wchar_t* FixedKeyName(unsigned vk) {
    switch (vk) {
        case 0x08:
            return L"BkSp";
        case 0x09:
            return L"Tab";
        case 0x0D:
            return L"Enter";
        case 0x1B:
            return L"Esc";
        case 0x20:
            return L"Space";
        case 0x21:
            return L"PgUp";
        case 0x22:
            return L"PgDn";
        case 0x23:
            return L"End";
        case 0x24:
            return L"Home";
        case 0x25:
            return L"Left";
        case 0x26:
            return L"Up";
        case 0x27:
            return L"Right";
        case 0x28:
            return L"Down";
        case 0x2D:
            return L"Ins";
        case 0x2E:
            return L"Del";
        default:
            return nullptr;
    }
}

}  // namespace

std::wstring MenuShortCutText(std::uint32_t hotKey,
                              const std::function<std::wstring(unsigned)>& keyName) {
    const unsigned vk = hotKey & 0xFFu;
    if (vk == 0) {
        return {};
    }
    std::wstring key;
    if (const wchar_t* fixed = FixedKeyName(vk)) {
        key = fixed;
    } else if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z')) {
        key = static_cast<wchar_t>(vk);
    } else if (vk >= 0x70 && vk <= 0x87) {
        key = L"F" + std::to_wstring(vk - 0x6F);
    } else {
        key = keyName(vk);
    }
    if (key.empty()) {
        return {};
    }
    std::wstring text;
    if (hotKey & 0x2000u) {
        text += L"Shift+";
    }
    if (hotKey & 0x4000u) {
        text += L"Ctrl+";
    }
    if (hotKey & 0x8000u) {
        text += L"Alt+";
    }
    return text + key;
}

}  // namespace orvane
