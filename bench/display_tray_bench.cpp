// Cost of one tray icon redraw against a bare Shell_NotifyIconW update, and the process's GDI,
// USER and kernel handle counts across many redraws. Run under a desktop (Wine + Xvfb or Windows);
// prints one JSON object.
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "common/win/Handles.h"
#include "handle_counts.h"
#include "display/core/IconPicture.h"
#include "display/win/IconBitmap.h"
#include "display/win/TrayIconPainter.h"

using namespace orvane;
using namespace orvane::win;

namespace {

using Clock = std::chrono::steady_clock;

struct Tray {
    HWND window;
    NOTIFYICONDATAW data{};

    Tray(HWND w, HICON icon) : window(w) {
        data.cbSize = sizeof(data);
        data.hWnd = w;
        data.uID = 1;
        data.uFlags = NIF_ICON | NIF_TIP;
        data.hIcon = icon;
        lstrcpynW(data.szTip, L"bench", 64);
        ::Shell_NotifyIconW(NIM_ADD, &data);
        data.uFlags = NIF_ICON;
    }
    ~Tray() { ::Shell_NotifyIconW(NIM_DELETE, &data); }
    bool Modify(HICON icon) {
        data.hIcon = icon;
        return ::Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
    }
};

void Pump() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::DispatchMessageW(&msg);
    }
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int wmain() {
    ::SetProcessDPIAware();
    const HWND window = ::CreateWindowExW(0, L"STATIC", L"bench", 0, 0, 0, 0, 0, nullptr, nullptr,
                                          ::GetModuleHandleW(nullptr), nullptr);
    TrayIconPainter painter;
    painter.InitVisualSettings(window);
    OrvaneOptions options;
    options.ShowPercentage = true;
    MemorySnapshot sample;

    // Two prebuilt icons, so that every bare update really changes the picture.
    std::wstring lastDrawText;
    std::vector<UniqueIcon> prebuilt;
    for (std::uint32_t load : {45u, 46u}) {
        sample.MemoryLoad = load;
        painter.DrawPreview(options, sample, lastDrawText, false);
        prebuilt.push_back(painter.MakeIcon());
    }
    Tray tray(window, prebuilt[0].get());
    Pump();

    const int kBatch = 200;
    const int kRounds = 9;
    std::uint32_t load = 0;
    auto redraw = [&] {
        sample.MemoryLoad = (load++ % 100) + 1;
        painter.DrawPreview(options, sample, lastDrawText, true);
        const UniqueIcon icon = painter.MakeIcon();
        tray.Modify(icon.get());
    };

    std::vector<double> floors, ticks;
    for (int round = 0; round < kRounds; ++round) {  // interleaved, so drift hits both alike
        auto start = Clock::now();
        for (int i = 0; i < kBatch; ++i) {
            tray.Modify(prebuilt[i % 2].get());
        }
        floors.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count() /
                         kBatch);
        Pump();
        start = Clock::now();
        for (int i = 0; i < kBatch; ++i) {
            redraw();
        }
        ticks.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count() /
                        kBatch);
        Pump();
    }

    // Where a redraw's time goes beyond the tray update itself.
    auto perCall = [&](auto&& step) {
        std::vector<double> t;
        for (int round = 0; round < kRounds; ++round) {
            const auto start = Clock::now();
            for (int i = 0; i < kBatch; ++i) {
                step();
            }
            t.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count() /
                        kBatch);
        }
        return Median(t);
    };
    const double pictureUs = perCall([&] {
        sample.MemoryLoad = (load++ % 100) + 1;
        painter.DrawPreview(options, sample, lastDrawText, true);
    });
    const double iconUs = perCall([&] { const UniqueIcon icon = painter.MakeIcon(); });

    const HandleCounts before = CountHandles();
    for (int i = 0; i < 10000; ++i) {
        redraw();
        if (i % 100 == 0) {
            Pump();
        }
    }
    Pump();
    const HandleCounts after = CountHandles();

    const double floorUs = Median(floors);
    const double tickUs = Median(ticks);
    std::printf(
        "{\"dpi\": %d, \"icon_size\": %d, \"nim_modify_us\": %.1f, \"redraw_tick_us\": %.1f, "
        "\"ratio\": %.3f, \"picture_us\": %.1f, \"icon_us\": %.1f, \"redraws\": 10000, "
        "\"gdi_before\": %lu, \"gdi_after\": %lu, "
        "\"user_before\": %lu, \"user_after\": %lu, \"kernel_before\": %lu, \"kernel_after\": %lu, "
        "\"counted_by\": \"%s\"}\n",
        painter.Dpi(), painter.IconSize(), floorUs, tickUs, tickUs / floorUs, pictureUs, iconUs,
        before.gdi, after.gdi, before.user, after.user, before.kernel, after.kernel,
        before.probed ? "slot probe" : "system counts");
    ::DestroyWindow(window);
    return 0;
}
