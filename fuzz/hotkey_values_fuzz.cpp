// Hotkey values come from the settings file, which the user may edit by hand, and key names
// from the keyboard layout: any value must split, join, convert to the hotkey control's word
// and back, and format without a fault, whatever names the layout gives.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "hotkeys/core/HotKeyText.h"
#include "hotkeys/core/HotKeyValue.h"

namespace {

using namespace orvane;
using fuzz::Require;

constexpr std::uint32_t kKnownBits = 0xFF | kHotKeyShift | kHotKeyCtrl | kHotKeyAlt | kHotKeyWin;

// Key names made from the input: the argument picks a slice of the remaining bytes.
KeyNameSource NamesFrom(const std::uint8_t* data, std::size_t size) {
    KeyNameSource keys;
    keys.ScanCode = [data, size](std::uint32_t vk) -> std::uint32_t {
        return size == 0 ? 0 : data[vk % size];
    };
    keys.KeyNameText = [data, size](std::int32_t argument) {
        std::wstring name;
        if (size == 0) {
            return name;
        }
        const std::size_t start = static_cast<std::uint32_t>(argument) % size;
        const std::size_t length = data[start] % 6;
        for (std::size_t i = 1; i <= length && start + i < size; ++i) {
            name += static_cast<wchar_t>(data[start + i] | (data[(start + i * 7) % size] << 8));
        }
        return name;
    };
    return keys;
}

bool AllCapitals(const std::wstring& text) {
    for (const wchar_t c : text) {
        if (c < L'A' || c > L'Z') {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 6) {
        return 0;
    }
    const std::uint32_t value =
        data[0] | (data[1] << 8) | (data[2] << 16) | (static_cast<std::uint32_t>(data[3]) << 24);
    const auto word = static_cast<std::uint16_t>(data[4] | (data[5] << 8));
    data += 6;
    size -= 6;

    const HotKeyParts parts = SplitHotKey(value);
    Require(parts.VirtualKey == (value & 0xFF) && parts.Modifiers <= 0xF);
    Require(JoinHotKey(parts.Modifiers, parts.VirtualKey) == (value & kKnownBits));
    Require(HotKeyAtomName(value) == L"HotKeyManagerHotKey" + std::to_wstring(value));

    // The control shows what a stored value can carry, and gives back only such values.
    Require(ControlWordToHotKey(HotKeyToControlWord(value)) == (value & 0xE0FF));
    const std::uint32_t fromControl = ControlWordToHotKey(word);
    Require(fromControl <= 0xFFFF && (fromControl & ~0xE0FFu) == 0);
    Require(HotKeyToControlWord(fromControl) == (word & 0x07FF));

    const KeyNameSource keys = NamesFrom(data, size);
    const ModifierNames names = LocalizedModifierNames(keys);
    Require((names.Win == L"WIN") == AllCapitals(names.Alt));
    const std::wstring text = FormatHotKey(value, names, keys);
    const std::wstring key = HotKeyKeyName(value, keys);
    Require(text.size() >= key.size() &&
            text.compare(text.size() - key.size(), key.size(), key) == 0);
    return 0;
}
