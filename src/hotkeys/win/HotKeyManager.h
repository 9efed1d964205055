#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "common/win/Handles.h"
#include "common/win/Window.h"

namespace orvane::win {

// Registers system-wide hotkeys on a hidden window of its own and reports each press.
// Every registration is identified by a global atom named after the hotkey value.
class HotKeyManager : private Window {
  public:
    using HotKeyPressedHandler = std::function<void(std::uint32_t hotKey, std::uint16_t index)>;

    HotKeyManager();
    ~HotKeyManager() override;

    // Registers the hotkey; returns its atom, or 0 when the platform refuses it.
    std::uint16_t AddHotKey(std::uint32_t hotKey);
    // Replaces the registration `index` by `newHotKey`; returns the new atom, or 0 when there
    // is no such registration (nothing changes) or the new one is refused (the old one is gone).
    std::uint16_t ChangeHotKey(std::uint16_t index, std::uint32_t newHotKey);
    // Remove the first registration of this value / atom; true when the platform released it.
    bool RemoveHotKey(std::uint32_t hotKey);
    bool RemoveHotKeyByIndex(std::uint16_t index);
    void ClearHotKeys();
    // Whether the combination could be registered now; every registration stays as it was.
    bool HotKeyValid(std::uint32_t hotKey);
    std::size_t Count() const { return entries_.size(); }
    HWND Handle() const { return Window::Handle(); }

    HotKeyPressedHandler OnHotKeyPressed;

  private:
    struct HotKeyEntry {
        std::uint32_t HotKey;
        UniqueAtom Index;
    };
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    std::vector<HotKeyEntry>::iterator FindIndex(std::uint16_t index);
    bool RemoveEntry(std::vector<HotKeyEntry>::iterator entry);

    std::vector<HotKeyEntry> entries_;
};

}  // namespace orvane::win
