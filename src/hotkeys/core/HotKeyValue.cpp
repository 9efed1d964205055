#include "hotkeys/core/HotKeyValue.h"

namespace orvane {

namespace {

struct ModifierPair {
    std::uint32_t HotKeyBit;
    std::uint32_t PlatformFlag;
};

constexpr ModifierPair kModifierPairs[] = {
    {kHotKeyAlt, kModAlt},
    {kHotKeyCtrl, kModControl},
    {kHotKeyShift, kModShift},
    {kHotKeyWin, kModWin},
};

}  // namespace

HotKeyParts SplitHotKey(std::uint32_t hotKey) {
    HotKeyParts parts{0, hotKey & 0xFFu};
    for (const auto& m : kModifierPairs) {
        if (hotKey & m.HotKeyBit) {
            parts.Modifiers |= m.PlatformFlag;
        }
    }
    return parts;
}

std::uint32_t JoinHotKey(std::uint32_t modifiers, std::uint32_t virtualKey) {
    std::uint32_t value = virtualKey & 0xFFu;
    for (const auto& m : kModifierPairs) {
        if (modifiers & m.PlatformFlag) {
            value |= m.HotKeyBit;
        }
    }
    return value;
}

std::wstring HotKeyAtomName(std::uint32_t hotKey) {
    return L"HotKeyManagerHotKey" + std::to_wstring(hotKey);
}

}  // namespace orvane
