// Starts a tray program and measures how long it takes until its icon shows in the
// notification area: the screen's bottom-right corner is watched from just before the start
// until its pixels change. Prints the milliseconds; the program keeps running.
// usage: tray_start_probe EXE [TIMEOUT_MS]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kWatchedWidth = 240;  // the tray area at the right end of the taskbar
constexpr int kWatchedHeight = 40;

class ScreenArea {
  public:
    explicit ScreenArea(RECT r)
        : r_(r), screen_(::GetDC(nullptr)), dc_(::CreateCompatibleDC(screen_)) {
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
        bi.bmiHeader.biWidth = r.right - r.left;
        bi.bmiHeader.biHeight = -(r.bottom - r.top);
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        bitmap_ = ::CreateDIBSection(dc_, &bi, DIB_RGB_COLORS, &bits_, nullptr, 0);
        old_ = ::SelectObject(dc_, bitmap_);
    }
    ~ScreenArea() {
        ::SelectObject(dc_, old_);
        ::DeleteObject(bitmap_);
        ::DeleteDC(dc_);
        ::ReleaseDC(nullptr, screen_);
    }
    ScreenArea(const ScreenArea&) = delete;
    ScreenArea& operator=(const ScreenArea&) = delete;

    std::vector<unsigned char> Grab() {
        const int w = r_.right - r_.left;
        const int h = r_.bottom - r_.top;
        ::BitBlt(dc_, 0, 0, w, h, screen_, r_.left, r_.top, SRCCOPY);
        ::GdiFlush();
        const auto* bits = static_cast<const unsigned char*>(bits_);
        return std::vector<unsigned char>(bits, bits + static_cast<size_t>(w) * h * 4);
    }

  private:
    RECT r_;
    HDC screen_;
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    void* bits_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: tray_start_probe EXE [TIMEOUT_MS]\n");
        return 2;
    }
    const DWORD timeout = argc > 2 ? static_cast<DWORD>(_wtoi(argv[2])) : 60000;
    // The taskbar of Wine's desktop has no size until the first icon exists: watch the screen's
    // bottom-right corner, where the notification area is.
    const int width = ::GetSystemMetrics(SM_CXSCREEN);
    const int height = ::GetSystemMetrics(SM_CYSCREEN);
    const RECT r{width - kWatchedWidth, height - kWatchedHeight, width, height};
    ScreenArea area(r);
    const std::vector<unsigned char> before = area.Grab();

    std::wstring cmd = L"\"" + std::wstring(argv[1]) + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    LARGE_INTEGER freq, start, now;
    ::QueryPerformanceFrequency(&freq);
    ::QueryPerformanceCounter(&start);
    if (!::CreateProcessW(argv[1], cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                          &pi)) {
        std::fprintf(stderr, "cannot start %ls\n", argv[1]);
        return 1;
    }
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    for (;;) {
        ::Sleep(2);
        const bool changed = area.Grab() != before;
        ::QueryPerformanceCounter(&now);
        const double ms = static_cast<double>(now.QuadPart - start.QuadPart) * 1000.0 /
                          static_cast<double>(freq.QuadPart);
        if (changed) {
            std::printf("%.1f\n", ms);
            return 0;
        }
        if (ms > timeout) {
            std::fprintf(stderr, "no tray icon after %lu ms\n", timeout);
            return 1;
        }
    }
}
