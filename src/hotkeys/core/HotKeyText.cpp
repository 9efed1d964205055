#include "hotkeys/core/HotKeyText.h"

#include <algorithm>

#include "hotkeys/core/HotKeyValue.h"

namespace orvane {

namespace {

constexpr std::uint32_t kFirstMediaKey = 0xA6;
constexpr const wchar_t* kMediaKeyNames[] = {
    L"Browser Back",        L"Browser Forward",     L"Browser Refresh",    L"Browser Stop",
    L"Browser Search",      L"Browser Favorites",   L"Browser Start/Home", L"Volume Mute",
    L"Volume Down",         L"Volume Up",           L"Next Track",         L"Previous Track",
    L"Stop Media",          L"Play/Pause Media",    L"Start Mail",         L"Select Media",
    L"Start Application 1", L"Start Application 2",
};
constexpr std::uint32_t kLastMediaKey = kFirstMediaKey + std::size(kMediaKeyNames) - 1;

constexpr std::int32_t kExtendedKeyFlag = 0x1000000;

bool IsExtendedNavigationKey(std::uint32_t vk) {
    return (vk >= 0x21 && vk <= 0x28) || vk == 0x2D || vk == 0x2E;
}

}  // namespace

std::int32_t KeyNameArgument(std::uint32_t virtualKey, std::uint32_t scanCode) {
    std::int32_t argument = static_cast<std::int32_t>((scanCode & 0xFFu) << 16);
    if (IsExtendedNavigationKey(virtualKey)) {
        argument |= kExtendedKeyFlag;
    }
    return argument;
}

std::wstring HotKeyKeyName(std::uint32_t virtualKey, const KeyNameSource& keys) {
    const std::uint32_t vk = virtualKey & 0xFFu;
    const std::int32_t argument = KeyNameArgument(vk, keys.ScanCode(vk));
    std::wstring name = argument != 0 ? keys.KeyNameText(argument) : std::wstring();
    if (name.size() <= 1 && vk >= kFirstMediaKey && vk <= kLastMediaKey) {
        name = kMediaKeyNames[vk - kFirstMediaKey];
    }
    return name;
}

std::wstring FormatHotKey(std::uint32_t hotKey, const ModifierNames& names,
                          const KeyNameSource& keys) {
    std::wstring text;
    const std::pair<std::uint32_t, const std::wstring*> modifiers[] = {
        {kHotKeyCtrl, &names.Ctrl},
        {kHotKeyShift, &names.Shift},
        {kHotKeyAlt, &names.Alt},
        {kHotKeyWin, &names.Win},
    };
    for (const auto& [bit, name] : modifiers) {
        if (hotKey & bit) {
            text += *name + L"+";
        }
    }
    return text + HotKeyKeyName(hotKey, keys);
}

ModifierNames LocalizedModifierNames(const KeyNameSource& keys) {
    ModifierNames names;
    names.Shift = HotKeyKeyName(0x10, keys);
    names.Ctrl = HotKeyKeyName(0x11, keys);
    names.Alt = HotKeyKeyName(0x12, keys);
    if (std::all_of(names.Alt.begin(), names.Alt.end(),
                    [](wchar_t c) { return c >= L'A' && c <= L'Z'; })) {
        names.Win = L"WIN";
    }
    return names;
}

}  // namespace orvane
