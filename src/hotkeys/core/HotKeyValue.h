#pragma once

#include <cstdint>
#include <string>

namespace orvane {

// A hotkey value: virtual-key code in bits 0-7 plus modifier bits. Its low 16 bits are the
// menu-shortcut word, so one stored number serves as both.
inline constexpr std::uint32_t kHotKeyShift = 0x2000;
inline constexpr std::uint32_t kHotKeyCtrl = 0x4000;
inline constexpr std::uint32_t kHotKeyAlt = 0x8000;
inline constexpr std::uint32_t kHotKeyWin = 0x10000;

// The platform's RegisterHotKey modifier flags.
inline constexpr std::uint32_t kModAlt = 1;
inline constexpr std::uint32_t kModControl = 2;
inline constexpr std::uint32_t kModShift = 4;
inline constexpr std::uint32_t kModWin = 8;

struct HotKeyParts {
    std::uint32_t Modifiers = 0;  // kMod* flags
    std::uint32_t VirtualKey = 0;
    bool operator==(const HotKeyParts&) const = default;
};

HotKeyParts SplitHotKey(std::uint32_t hotKey);
std::uint32_t JoinHotKey(std::uint32_t modifiers, std::uint32_t virtualKey);

// The hotkey edit control's word: the key in the low byte, its modifier flags in the high byte.
inline constexpr std::uint16_t kHotKeyControlShift = 0x01;
inline constexpr std::uint16_t kHotKeyControlCtrl = 0x02;
inline constexpr std::uint16_t kHotKeyControlAlt = 0x04;

// Stored value -> control word. Win has no place in the control and is left out.
std::uint16_t HotKeyToControlWord(std::uint32_t hotKey);
// Control word -> stored value (never above 0xFFFF; the extended-key flag is dropped).
std::uint32_t ControlWordToHotKey(std::uint16_t word);

// Whether the hotkey is a key that types (a letter, digit, space, punctuation, Enter, Tab,
// Backspace, the numeric pad) with no Ctrl, Alt or Win: registered, it would take that key
// from every program. Function, media and navigation keys alone do not type.
bool HotKeyTakesTyping(std::uint32_t hotKey);

// "HotKeyManagerHotKey" followed by the value in unsigned decimal.
std::wstring HotKeyAtomName(std::uint32_t hotKey);

}  // namespace orvane
