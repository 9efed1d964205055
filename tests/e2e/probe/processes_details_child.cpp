// A program with a version resource that holds about 300 MB of touched memory for three
// minutes, so that it is the top process line of the tray menu.
#include <windows.h>

int wmain() {
    const SIZE_T size = 300ull << 20;
    auto* p = static_cast<volatile char*>(
        ::VirtualAlloc(nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    if (!p) {
        return 1;
    }
    for (SIZE_T i = 0; i < size; i += 4096) {
        p[i] = 1;
    }
    ::Sleep(180000);
    return 0;
}
