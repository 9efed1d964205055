// Holds about 1.1 GB of touched memory for two minutes, so that its process line in the tray
// menu passes the default highlight threshold of 1000 MB.
#include <windows.h>

int wmain() {
    const SIZE_T size = 1100ull << 20;
    auto* p = static_cast<volatile char*>(
        ::VirtualAlloc(nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    if (!p) {
        return 1;
    }
    for (SIZE_T i = 0; i < size; i += 4096) {
        p[i] = 1;
    }
    ::Sleep(120000);
    return 0;
}
