#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace orvane {

// Where key names come from: the keyboard layout's scan code of a virtual key and the name
// the platform gives for a key-name argument (scan code << 16, bit 24 for extended keys).
struct KeyNameSource {
    std::function<std::uint32_t(std::uint32_t virtualKey)> ScanCode;
    std::function<std::wstring(std::int32_t keyNameArgument)> KeyNameText;
};

// The display names of the four modifiers, in the order Shift, Ctrl, Alt, Win.
struct ModifierNames {
    std::wstring Shift = L"Shift";
    std::wstring Ctrl = L"Ctrl";
    std::wstring Alt = L"Alt";
    std::wstring Win = L"Win";
    bool operator==(const ModifierNames&) const = default;
};

// The key-name argument for a virtual key and its scan code; the navigation keys Page Up to
// Down and Insert/Delete carry the extended-key flag, which tells them from the keypad's.
std::int32_t KeyNameArgument(std::uint32_t virtualKey, std::uint32_t scanCode);

// The name of the key in bits 0-7: the platform's, or for media keys it has no name for, a
// fixed English one. Empty when the key has no scan code.
std::wstring HotKeyKeyName(std::uint32_t virtualKey, const KeyNameSource& keys);

// "Ctrl+Shift+Alt+Win+" (those set, in that order, with `names`) followed by the key's name.
std::wstring FormatHotKey(std::uint32_t hotKey, const ModifierNames& names,
                          const KeyNameSource& keys);

// The names of the Shift, Ctrl and Alt keys in the current layout (empty ones kept), and "WIN"
// where the Alt name is all capitals A-Z.
ModifierNames LocalizedModifierNames(const KeyNameSource& keys);

}  // namespace orvane
