#include "processes/win/HotkeyShortCut.h"

#include "hotkeys/win/HotKeyText.h"
#include "processes/core/MenuShortCutText.h"

namespace orvane::win {

std::wstring HotkeyShortCutText(std::uint32_t hotKey) {
    const KeyNameSource keys = SystemKeyNames();
    return MenuShortCutText(hotKey, [&keys](unsigned vk) {
        const std::uint32_t scan = keys.ScanCode(vk);
        return scan == 0 ? std::wstring() : keys.KeyNameText(static_cast<std::int32_t>(scan << 16));
    });
}

}  // namespace orvane::win
