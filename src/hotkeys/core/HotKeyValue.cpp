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

struct ControlPair {
    std::uint32_t HotKeyBit;
    std::uint16_t ControlFlag;
};

constexpr ControlPair kControlPairs[] = {
    {kHotKeyShift, kHotKeyControlShift},
    {kHotKeyCtrl, kHotKeyControlCtrl},
    {kHotKeyAlt, kHotKeyControlAlt},
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

std::uint16_t HotKeyToControlWord(std::uint32_t hotKey) {
    std::uint16_t flags = 0;
    for (const auto& m : kControlPairs) {
        if (hotKey & m.HotKeyBit) {
            flags |= m.ControlFlag;
        }
    }
    return static_cast<std::uint16_t>((flags << 8) | (hotKey & 0xFFu));
}

std::uint32_t ControlWordToHotKey(std::uint16_t word) {
    const std::uint32_t flags = word >> 8;
    std::uint32_t value = word & 0xFFu;
    for (const auto& m : kControlPairs) {
        if (flags & m.ControlFlag) {
            value |= m.HotKeyBit;
        }
    }
    return value;
}

std::wstring HotKeyAtomName(std::uint32_t hotKey) {
    return L"HotKeyManagerHotKey" + std::to_wstring(hotKey);
}

bool HotKeyTakesTyping(std::uint32_t hotKey) {
    if (hotKey & (kHotKeyCtrl | kHotKeyAlt | kHotKeyWin)) {
        return false;
    }
    const std::uint32_t key = hotKey & 0xFF;
    const auto within = [key](std::uint32_t first, std::uint32_t last) {
        return key >= first && key <= last;
    };
    return key == 0x08 || key == 0x09 || key == 0x0D || key == 0x20     // Backspace Tab Enter Space
           || within('0', '9') || within('A', 'Z')                      //
           || within(0x60, 0x6F)                                        // numeric pad
           || within(0xBA, 0xC0) || within(0xDB, 0xDF) || key == 0xE2;  // punctuation
}

}  // namespace orvane
