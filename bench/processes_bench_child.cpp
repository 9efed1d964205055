// A process that only waits, to populate the process table for the menu benchmark.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    ::Sleep(600000);
    return 0;
}
