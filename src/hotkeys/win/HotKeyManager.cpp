#include "hotkeys/win/HotKeyManager.h"

#include "hotkeys/core/HotKeyValue.h"

namespace orvane::win {

namespace {
constexpr wchar_t kClassName[] = L"OrvaneHotKeyWindow";
}

THotKeyManager::THotKeyManager() {
    RegisterClassOnce(kClassName, nullptr, nullptr);
    CreateWindowFor(kClassName, L"", 0, 0, 0, 0, 0, 0, HWND_MESSAGE);
}

THotKeyManager::~THotKeyManager() {
    ClearHotKeys();
    DestroyOwnWindow();
}

std::uint16_t THotKeyManager::AddHotKey(std::uint32_t hotKey) {
    const HotKeyParts parts = SplitHotKey(hotKey);
    UniqueAtom atom(::GlobalAddAtomW(HotKeyAtomName(hotKey).c_str()));
    if (!atom || !::RegisterHotKey(Handle(), atom.get(), parts.Modifiers, parts.VirtualKey)) {
        return 0;  // the atom goes with `atom`
    }
    const std::uint16_t index = atom.get();
    entries_.push_back({hotKey, std::move(atom)});
    return index;
}

void THotKeyManager::ClearHotKeys() {
    while (!entries_.empty()) {
        ::UnregisterHotKey(Handle(), entries_.back().Index.get());
        entries_.pop_back();  // releases the atom whether or not the unregister worked
    }
}

LRESULT THotKeyManager::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_HOTKEY && OnHotKeyPressed) {
        const std::uint32_t value = JoinHotKey(LOWORD(lp), HIWORD(lp));
        for (const auto& e : entries_) {
            if (e.HotKey == value) {
                OnHotKeyPressed(value, static_cast<std::uint16_t>(LOWORD(wp)));
                break;
            }
        }
    }
    return Window::HandleMessage(msg, wp, lp);
}

}  // namespace orvane::win
