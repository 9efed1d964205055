#include "hotkeys/win/HotKeyManager.h"

#include <algorithm>
#include <iterator>

#include "hotkeys/core/HotKeyValue.h"

namespace orvane::win {

namespace {
constexpr wchar_t kClassName[] = L"OrvaneHotKeyWindow";
}

HotKeyManager::HotKeyManager() {
    RegisterClassOnce(kClassName, nullptr, nullptr);
    CreateWindowFor(kClassName, L"", 0, 0, 0, 0, 0, 0, HWND_MESSAGE);
}

HotKeyManager::~HotKeyManager() {
    ClearHotKeys();
    DestroyOwnWindow();
}

std::uint16_t HotKeyManager::AddHotKey(std::uint32_t hotKey) {
    const HotKeyParts parts = SplitHotKey(hotKey);
    UniqueAtom atom(::GlobalAddAtomW(HotKeyAtomName(hotKey).c_str()));
    if (!atom || !::RegisterHotKey(Handle(), atom.get(), parts.Modifiers, parts.VirtualKey)) {
        return 0;  // the atom goes with `atom`
    }
    const std::uint16_t index = atom.get();
    entries_.push_back({hotKey, std::move(atom)});
    return index;
}

bool HotKeyManager::RemoveEntry(std::vector<HotKeyEntry>::iterator entry) {
    const bool released = ::UnregisterHotKey(Handle(), entry->Index.get()) != FALSE;
    entries_.erase(entry);  // releases the atom whether or not the unregister worked
    return released;
}

std::vector<HotKeyManager::HotKeyEntry>::iterator HotKeyManager::FindIndex(std::uint16_t index) {
    return std::find_if(entries_.begin(), entries_.end(),
                        [index](const HotKeyEntry& e) { return e.Index.get() == index; });
}

std::uint16_t HotKeyManager::ChangeHotKey(std::uint16_t index, std::uint32_t newHotKey) {
    const auto entry = FindIndex(index);
    if (entry == entries_.end()) {
        return 0;
    }
    RemoveEntry(entry);
    return AddHotKey(newHotKey);
}

bool HotKeyManager::RemoveHotKey(std::uint32_t hotKey) {
    const auto entry = std::find_if(entries_.begin(), entries_.end(),
                                    [hotKey](const HotKeyEntry& e) { return e.HotKey == hotKey; });
    return entry != entries_.end() && RemoveEntry(entry);
}

bool HotKeyManager::RemoveHotKeyByIndex(std::uint16_t index) {
    const auto entry = FindIndex(index);
    return entry != entries_.end() && RemoveEntry(entry);
}

void HotKeyManager::ClearHotKeys() {
    while (!entries_.empty()) {
        RemoveEntry(std::prev(entries_.end()));
    }
}

bool HotKeyManager::HotKeyValid(std::uint32_t hotKey) {
    const HotKeyParts parts = SplitHotKey(hotKey);
    const UniqueAtom atom(::GlobalAddAtomW(HotKeyAtomName(hotKey).c_str()));
    if (!atom) {
        return false;
    }
    if (::UnregisterHotKey(Handle(), atom.get())) {
        // Ours: put it back as it was.
        ::RegisterHotKey(Handle(), atom.get(), parts.Modifiers, parts.VirtualKey);
        return true;
    }
    if (!::RegisterHotKey(Handle(), atom.get(), parts.Modifiers, parts.VirtualKey)) {
        return false;
    }
    ::UnregisterHotKey(Handle(), atom.get());
    return true;
}

LRESULT HotKeyManager::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
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
