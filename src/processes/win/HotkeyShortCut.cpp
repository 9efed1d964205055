#include "processes/win/HotkeyShortCut.h"

#include <windows.h>

#include "processes/core/MenuShortCutText.h"

namespace orvane::win {

std::wstring HotkeyShortCutText(std::uint32_t hotKey) {
    return MenuShortCutText(hotKey, [](unsigned vk) {
        const LONG scan = static_cast<LONG>(::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
        if (scan == 0) {
            return std::wstring();
        }
        wchar_t name[256] = {};
        const int n = ::GetKeyNameTextW(scan << 16, name, 256);
        return std::wstring(name, n > 0 ? static_cast<size_t>(n) : 0);
    });
}

}  // namespace orvane::win
