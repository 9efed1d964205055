// Tray menu cost under a realistic process table, as ratios against floors measured in the
// same run:
//   build ratio = one menu build (10 process lines) / one bare scan (Toolhelp snapshot plus one
//                 open and one memory-counter read per process);
//   path ratio  = the same build / a bare scan that also reads each image path, as merging
//                 processes of one executable needs;
//   GDI, USER and kernel handle counts before and after 500 real openings of the menu.
#include <windows.h>

#include <psapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_children.h"
#include "handle_counts.h"
#include "processes/win/TrayMenu.h"

using namespace orvane;
using namespace orvane::win;

namespace {

class BenchHost final : public TrayMenuHost {
  public:
    OrvaneOptions options;
    const OrvaneOptions& MenuOptions() const override { return options; }
    std::uint64_t DisplayedTotal() const override { return 16ull << 30; }
    std::wstring MemoryInfoText() const override {
        return L"已用内存: 3.2 GB\r\n可用内存: 12.8 GB\r\n页面文件: 1 GB";
    }
    std::wstring FormatByteSize(std::uint64_t b) const override {
        return std::to_wstring(b >> 20) + L" MB";
    }
    int GetMenuModeColor() const override { return 0; }
    ColorValue GetProcMenuHighlightColor(bool, int) const override { return 0xE7E7FB; }
    std::wstring HotkeyText() const override { return L""; }
    int IconSize() const override { return 16; }
    int MonitorDpi() const override { return 96; }
    bool ShowProtectedProcesses() const override { return false; }
};

// The floor: what any memory ranking has to do; with `paths`, also what a ranking that merges
// processes of one executable has to do.
std::int64_t BareScan(bool paths = false) {
    std::int64_t total = 0;
    HANDLE snap = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W e{};
    e.dwSize = sizeof(e);
    for (BOOL ok = ::Process32FirstW(snap, &e); ok; ok = ::Process32NextW(snap, &e)) {
        HANDLE p = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, e.th32ProcessID);
        if (p) {
            PROCESS_MEMORY_COUNTERS c{};
            c.cb = sizeof(c);
            if (::GetProcessMemoryInfo(p, &c, sizeof(c))) {
                total += static_cast<std::int64_t>(c.WorkingSetSize);
            }
            if (paths) {
                wchar_t path[MAX_PATH + 1] = {};
                DWORD len = MAX_PATH;
                if (::QueryFullProcessImageNameW(p, 0, path, &len)) {
                    total += len;
                }
            }
            ::CloseHandle(p);
        }
    }
    ::CloseHandle(snap);
    return total;
}

template <typename F>
double MedianMs(int rounds, F&& f) {
    std::vector<double> t;
    for (int i = 0; i < rounds; ++i) {
        const auto a = std::chrono::steady_clock::now();
        f();
        t.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - a)
                        .count());
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* menu = reinterpret_cast<TrayMenu*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (msg) {
        case WM_MEASUREITEM:
            if (menu && menu->MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lp))) {
                return TRUE;
            }
            break;
        case WM_DRAWITEM:
            if (menu && menu->DrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lp))) {
                return TRUE;
            }
            break;
        case WM_ENTERIDLE:  // the menu is up and drawn: close it
            if (wp == MSGF_MENU) {
                ::EndMenu();
            }
            break;
        default:
            break;
    }
    return ::DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int wanted = argc > 1 ? _wtoi(argv[1]) : 100;
    const int openings = argc > 2 ? _wtoi(argv[2]) : 500;

    bench::BenchChildren children;
    if (!children.StartUntil(wanted)) {
        return 2;
    }

    WNDCLASSW wc{};
    wc.lpfnWndProc = WndProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"OrvaneMenuBench";
    ::RegisterClassW(&wc);
    HWND hwnd = ::CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                  wc.hInstance, nullptr);
    BenchHost host;
    {
        TrayMenu menu(hwnd, host);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&menu));
        BareScan();
        menu.PopupMenuPopup();

        const int rounds = 21;
        std::vector<double> scan, withPaths, build;
        for (int i = 0; i < rounds; ++i) {  // interleaved, so drift hits all alike
            scan.push_back(MedianMs(1, [] { BareScan(); }));
            withPaths.push_back(MedianMs(1, [] { BareScan(true); }));
            build.push_back(MedianMs(1, [&] { menu.PopupMenuPopup(); }));
        }
        std::sort(scan.begin(), scan.end());
        std::sort(withPaths.begin(), withPaths.end());
        std::sort(build.begin(), build.end());
        const double s = scan[rounds / 2];
        const double p = withPaths[rounds / 2];
        const double b = build[rounds / 2];
        std::printf(
            "processes=%d lines=%d bare_scan_ms=%.2f menu_build_ms=%.2f ratio=%.2f "
            "bare_scan_with_paths_ms=%.2f path_ratio=%.2f\n",
            bench::CountProcesses(), host.options.TopProcessCount, s, b, b / s, p, b / p);

        // A menu opened for the first time asks about every process it may show and reads
        // every icon: the first opening after the program starts.
        std::vector<double> cold;
        for (int i = 0; i < 5; ++i) {
            TrayMenu fresh(hwnd, host);
            cold.push_back(MedianMs(1, [&] { fresh.PopupMenuPopup(); }));
        }
        std::sort(cold.begin(), cold.end());
        std::printf("first_build_ms=%.2f first_build_ratio=%.2f\n", cold[2], cold[2] / s);

        for (int i = 0; i < 3; ++i) {  // first openings fill the system's own caches
            menu.Popup(POINT{500, 400});
        }
        const HandleCounts before = CountHandles();
        for (int i = 0; i < openings; ++i) {
            menu.Popup(POINT{500, 400});
        }
        const HandleCounts after = CountHandles();
        std::printf("openings=%d gdi=%lu->%lu user=%lu->%lu kernel=%lu->%lu (%s)\n", openings,
                    before.gdi, after.gdi, before.user, after.user, before.kernel, after.kernel,
                    before.probed ? "slot probe" : "system counts");
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    }
    ::DestroyWindow(hwnd);
    return 0;
}
