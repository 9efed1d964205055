#include "common/win/Clipboard.h"

#include <cstring>

#include "common/win/Handles.h"

namespace orvane::win {

bool SetClipboardText(HWND owner, const std::wstring& text) {
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory) {
        return false;
    }
    bool handedOver = false;
    const ScopeExit freeUnlessHandedOver([&] {
        if (!handedOver) {
            ::GlobalFree(memory);
        }
    });
    void* target = ::GlobalLock(memory);
    if (!target) {
        return false;
    }
    std::memcpy(target, text.c_str(), bytes);
    ::GlobalUnlock(memory);
    if (!::OpenClipboard(owner)) {
        return false;
    }
    const ScopeExit close([] { ::CloseClipboard(); });
    // The clipboard owns the memory once SetClipboardData accepts it.
    handedOver = ::EmptyClipboard() && ::SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    return handedOver;
}

}  // namespace orvane::win
