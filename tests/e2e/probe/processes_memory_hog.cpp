// Holds HOLD_MB of touched memory for HOLD_SECONDS, so that its process line in the tray menu
// is the top one, or passes the default highlight threshold of 1000 MB.
#include <windows.h>

int wmain() {
    const SIZE_T size = static_cast<SIZE_T>(HOLD_MB) << 20;
    auto* p = static_cast<volatile char*>(
        ::VirtualAlloc(nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    if (!p) {
        return 1;
    }
    for (SIZE_T i = 0; i < size; i += 4096) {
        p[i] = 1;
    }
    ::Sleep(HOLD_SECONDS * 1000);
    return 0;
}
