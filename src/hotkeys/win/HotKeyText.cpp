#include "hotkeys/win/HotKeyText.h"

#include <windows.h>

namespace orvane::win {

namespace {

ModifierNames& UnitModifierNames() {
    static ModifierNames names;
    return names;
}

}  // namespace

KeyNameSource SystemKeyNames() {
    KeyNameSource keys;
    keys.ScanCode = [](std::uint32_t vk) {
        return static_cast<std::uint32_t>(::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    };
    keys.KeyNameText = [](std::int32_t argument) {
        wchar_t name[256] = {};
        const int n = ::GetKeyNameTextW(argument, name, 256);
        return std::wstring(name, n > 0 ? static_cast<std::size_t>(n) : 0);
    };
    return keys;
}

void InitLocalizedModifierNames() {
    UnitModifierNames() = LocalizedModifierNames(SystemKeyNames());
}

const ModifierNames& LocalizedNames() {
    return UnitModifierNames();
}

std::wstring FormatHotKey(std::uint32_t hotKey, bool localized) {
    static const ModifierNames kFixedNames;
    return orvane::FormatHotKey(hotKey, localized ? UnitModifierNames() : kFixedNames,
                                SystemKeyNames());
}

}  // namespace orvane::win
