#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "common/win/Handles.h"
#include "common/win/WindowDpi.h"
#include "history/core/HistoryCsv.h"
#include "history/win/HistoryChartPainter.h"
#include "history/win/HistoryFile.h"
#include "history/win/HistoryRecorder.h"
#include "history/win/HistoryWindow.h"
#include "settings_test_folder.h"

namespace orvane::win {
namespace {

constexpr std::int64_t kMinuteMs = 60000;
constexpr std::int32_t kStartMinute = 29054880;  // 2025-03-30 00:00 UTC

// A clock the test moves: the tick count and the wall clock go on together.
class FakeClock final : public HistoryClock {
  public:
    std::uint64_t TickMs() override { return tickMs; }
    LocalTime Now() override {
        return LocalTimeOf(static_cast<std::int32_t>(EpochMs() / kMinuteMs), 480);
    }
    std::int64_t EpochMs() override {
        return std::int64_t{kStartMinute} * kMinuteMs + static_cast<std::int64_t>(tickMs);
    }
    void Advance(std::uint64_t ms) { tickMs += ms; }

    std::uint64_t tickMs = 1000;
};

MemorySnapshot Snapshot(std::uint32_t load, std::uint64_t availMB = 4096) {
    MemorySnapshot s;
    s.MemoryLoad = load;
    s.TotalPhys = 16ULL << 30;
    s.AvailPhys = availMB << 20;
    s.TotalPageFile = 24ULL << 30;
    s.AvailPageFile = 12ULL << 30;
    return s;
}

std::string ReadAll(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const std::wstring& path, const std::string& text) {
    std::ofstream(std::filesystem::path(path), std::ios::binary) << text;
}

// A recorder fed for `minutes` minutes, one tick a second, with the leak watch's table.
struct FedRecorder {
    explicit FedRecorder(ExtensionOptions o = {}) : options(o) {}

    void Feed(int minutes, std::uint32_t load = 40) {
        for (int s = 0; s < minutes * 60; ++s) {
            recorder.AddTick(Snapshot(load));
            clock.Advance(1000);
        }
    }

    ExtensionOptions options;
    FakeClock clock;
    std::vector<ProcessTableEntry> table;
    HistoryRecorder recorder{options, &clock, [this] { return table; }};
};

TEST(HistoryFile, SavesAtomicallyAndReadsBack) {
    SettingsTestFolder folder;
    FedRecorder fed;
    fed.recorder.Load(folder.Path() + L"Orvane.Settings");
    fed.Feed(5);
    ASSERT_TRUE(fed.recorder.Save());
    const std::wstring path = folder.Path() + L"Orvane.History.csv";
    const std::string text = ReadAll(path);
    EXPECT_EQ(text.rfind(std::string(kHistoryCsvHeader) + "\r\n", 0), 0u);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(path + L".saving")));

    // A restart reads the minutes back.
    FedRecorder again;
    again.clock.tickMs = fed.clock.tickMs;
    again.recorder.Load(folder.Path() + L"Orvane.Settings");
    EXPECT_EQ(again.recorder.History().Minutes(), fed.recorder.History().Minutes());
}

TEST(HistoryFile, BadFilesAreReadAsFarAsTheyAreSoundAndNeverLost) {
    SettingsTestFolder folder;
    const std::wstring path = folder.Path() + L"Orvane.History.csv";
    const std::int32_t now = kStartMinute + 10;
    const std::string sound = std::string(kHistoryCsvHeader) +
                              "\r\n2025-03-30T08:05+08:00,41.00,43.52,47.00,8123,8200,8301,10230,"
                              "10300,10412,30,,,0\r\n";
    struct Case {
        const char* what;
        std::string text;
        std::size_t minutes;
    };
    const Case cases[] = {
        {"sound", sound, 1},
        {"garbage", "\x01\x02 not a history file \xff\xfe", 0},
        {"cut short", sound.substr(0, sound.size() - 10), 0},
        {"empty", "", 0},
        // Bigger than the reader looks at: its tail still holds the last row.
        {"huge",
         std::string(kHistoryCsvMaxBytes + 1000, 'x') + "\r\n" + sound.substr(sound.find("2025")),
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteAll(path, c.text);
        HistoryFile file(path);
        EXPECT_EQ(file.Load(now).size(), c.minutes);
        EXPECT_FALSE(file.Unreadable());
    }

    // Held by another program without sharing: read as empty, and left alone by saves.
    WriteAll(path, sound);
    {
        const UniqueKernelHandle locked(::CreateFileW(
            path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(locked);
        HistoryFile file(path, std::chrono::milliseconds(100));
        EXPECT_TRUE(file.Load(now).empty());
        EXPECT_TRUE(file.Unreadable());
        EXPECT_FALSE(file.Save({}));
    }
    EXPECT_EQ(ReadAll(path), sound);
}

TEST(HistoryRecorder, LeakWatchFindsAGrowingProcessThroughTheClock) {
    ExtensionOptions options;
    options.LeakWatch = true;
    options.LeakMinutes = 10;
    options.LeakGrowthMB = 10;
    options.LeakGrowthPercent = 10;
    FedRecorder fed(options);
    ProcessTableEntry leaky;
    leaky.ProcessID = 42;
    leaky.CreationTime = 1234;
    leaky.Name = L"leaky.exe";
    ProcessTableEntry steady = leaky;
    steady.ProcessID = 43;
    steady.Name = L"steady.exe";
    steady.PagefileUsage = 200ULL << 20;
    for (int minute = 0; minute < 13; ++minute) {
        leaky.PagefileUsage = (100ULL + 5 * 60 * minute) << 20;  // 5 MB a second
        fed.table = {leaky, steady};
        fed.Feed(1);
    }
    const auto suspect = fed.recorder.SuspectOf(42, 1234);
    ASSERT_TRUE(suspect);
    EXPECT_EQ(suspect->Name, L"leaky.exe");
    EXPECT_FALSE(fed.recorder.SuspectOf(43, 1234));
    EXPECT_FALSE(fed.recorder.SuspectOf(42, 999));  // the same ID, another process

    // Off: nothing is taken, nothing is reported.
    fed.options.LeakWatch = false;
    fed.Feed(2);
    EXPECT_FALSE(fed.recorder.SuspectOf(42, 1234));
    EXPECT_TRUE(fed.recorder.Leaks().Suspects().empty());
}

TEST(HistoryRecorder, TrimsAreMarkedAndReportedOnlyWhenAsked) {
    FedRecorder fed;
    fed.Feed(1);
    EXPECT_FALSE(fed.recorder.MarkTrim(1ULL << 30, 2ULL << 30));
    fed.options.TrimReport = true;
    EXPECT_EQ(fed.recorder.MarkTrim(1ULL << 30, 2ULL << 30), std::wstring(L"已释放 1024 MB"));
    EXPECT_FALSE(fed.recorder.MarkTrim(2ULL << 30, 2ULL << 30));  // nothing freed
    EXPECT_EQ(fed.recorder.History().TickMarkers().size(), 3u);
    fed.recorder.MarkHighMemory();
    EXPECT_EQ(fed.recorder.History().TickMarkers().back().Kind, kMarkHighMemory);
}

ChartColors LightColors() {
    return {};
}

ChartColors DarkColors() {
    ChartColors colors;
    colors.Background = RGB(57, 63, 63);
    colors.Text = RGB(255, 255, 255);
    colors.Grid = RGB(120, 120, 120);
    return colors;
}

// The chart painted off-screen at `dpi`; every text it drew must fit its box and the window.
TEST(HistoryChartPainter, PaintsAtEachDpiInLightAndDarkWithoutClippedText) {
    FedRecorder fed;
    fed.Feed(12, 70);
    fed.recorder.MarkTrim(1ULL << 30, 3ULL << 30);
    fed.recorder.MarkHighMemory();
    fed.Feed(1, 95);
    for (const int dpi : {96, 120, 144}) {
        for (const bool dark : {false, true}) {
            SCOPED_TRACE(std::to_string(dpi) + (dark ? " dark" : " light"));
            const ChartColors colors = dark ? DarkColors() : LightColors();
            const UniqueFont font = CreateMessageFont(dpi);
            const RECT client{0, 0, 720 * dpi / 96, 420 * dpi / 96};
            const UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
            BITMAPINFO info{};
            info.bmiHeader = {sizeof(BITMAPINFOHEADER),
                              client.right,
                              -client.bottom,
                              1,
                              32,
                              BI_RGB,
                              0,
                              0,
                              0,
                              0,
                              0};
            void* bits = nullptr;
            const UniqueBitmap bitmap(
                ::CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
            ASSERT_TRUE(bitmap);
            SelectObjectGuard selected(dc.get(), bitmap.get());
            TEXTMETRICW metrics{};
            int labelWidth = 0;
            {
                SelectObjectGuard f(dc.get(), font.get());
                ::GetTextMetricsW(dc.get(), &metrics);
                SIZE s{};
                ::GetTextExtentPoint32W(dc.get(), L"100%", 4, &s);
                labelWidth = s.cx;
            }
            const ChartLayout layout = LayoutChart({0, 0, client.right, client.bottom}, dpi,
                                                   metrics.tmHeight, labelWidth, labelWidth * 2, 0);
            ChartPicture picture;
            picture.Data = ChartDataOf(fed.recorder.History(), HistorySpan::TenMinutes,
                                       fed.clock.TickMs(), fed.clock.EpochMs(), 480);
            picture.HoverX = (layout.Plot.left + layout.Plot.right) / 2;
            picture.HoverLines = {L"15:55:30", L"负载 70%", L"已用 11.2 GB / 16.0 GB"};
            const auto drawn =
                PaintChart(dc.get(), client, layout, dpi, font.get(), picture, colors);

            int loadLabels = 0;
            int timeLabels = 0;
            for (const DrawnText& text : drawn) {
                SCOPED_TRACE(std::string(text.Text.begin(), text.Text.end()));
                EXPECT_LE(text.Extent.cx, text.Box.right - text.Box.left);
                EXPECT_LE(text.Extent.cy, text.Box.bottom - text.Box.top);
                EXPECT_GE(text.Box.left, client.left);
                EXPECT_GE(text.Box.top, client.top);
                EXPECT_LE(text.Box.right, client.right);
                EXPECT_LE(text.Box.bottom, client.bottom);
                // Readable: the label's font is the message font at this DPI.
                EXPECT_GE(text.Extent.cy, metrics.tmHeight);
                if (text.Text.back() == L'%' && text.Text.find(L"负载") == std::wstring::npos) {
                    ++loadLabels;
                }
                if (text.Box.top == layout.TimeLabelTop) {
                    ++timeLabels;
                }
            }
            EXPECT_EQ(loadLabels, 5);
            EXPECT_GE(timeLabels, 3);
            // Background in the corner; the area under the last minute's 95 % load in the
            // icon's colours: green low down, red above the red threshold.
            const auto* pixels = static_cast<const std::uint32_t*>(bits);
            const auto pixel = [&](int x, int y) {
                const std::uint32_t p = pixels[y * client.right + x];
                return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
            };
            EXPECT_EQ(pixel(1, client.bottom - 2), colors.Background);
            const int x = layout.Plot.right - 3;
            const COLORREF low = pixel(x, layout.Plot.bottom - 3);
            const COLORREF high = pixel(x, YOfLoad(layout.Plot, 9300));
            const COLORREF above = pixel(x, YOfLoad(layout.Plot, 9800));
            EXPECT_GT(GetGValue(low), GetRValue(low));
            EXPECT_GT(GetRValue(high), GetGValue(high));
            EXPECT_EQ(above, colors.Background);
        }
    }
}

TEST(HistoryWindow, ShowsHoversExportsAndRemembersItsPlace) {
    SettingsTestFolder folder;
    FedRecorder fed;
    fed.Feed(3, 55);
    OrvaneOptions options;
    ExtensionOptions extensions;
    const NumberSeparators separators;
    std::optional<std::wstring> exportTo = folder.Path() + L"导出.csv";
    HistoryWindowHost host;
    host.Recorder = &fed.recorder;
    host.Options = &options;
    host.Extensions = &extensions;
    host.Separators = [&]() -> const NumberSeparators& { return separators; };
    host.TotalPhys = [] { return 16ULL << 30; };
    host.ChooseExportFile = [&](HWND) { return exportTo; };
    HistoryWindow window(std::move(host));
    ASSERT_TRUE(window.Show());
    wchar_t title[64] = {};
    ::GetWindowTextW(window.Handle(), title, 64);
    EXPECT_STREQ(title, L"内存历史");
    ASSERT_TRUE(window.Show());  // one window: shown again, not a second one
    EXPECT_EQ(::FindWindowW(HistoryWindow::kClassName, nullptr), window.Handle());

    const ChartLayout layout = window.Layout();
    window.SetHover(layout.Plot.right - 2);
    const ChartPicture picture = window.Picture();
    ASSERT_GE(picture.HoverLines.size(), 3u);
    EXPECT_EQ(picture.HoverLines[1], L"负载 55%");
    EXPECT_EQ(picture.HoverLines[2].rfind(L"已用 ", 0), 0u);
    ::UpdateWindow(window.Handle());

    // The export writes the shown span's minutes in the history file's format.
    window.SetSpan(HistorySpan::TenMinutes);
    ASSERT_TRUE(window.Export());
    const std::string text = ReadAll(*exportTo);
    std::istringstream lines(text);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, std::string(kHistoryCsvHeader) + "\r");
    int rows = 0;
    while (std::getline(lines, line)) {
        ++rows;
        EXPECT_NE(line.find(",55.00,55.00,55.00,"), std::string::npos) << line;
    }
    EXPECT_EQ(rows, 4);  // three whole minutes and the one begun
    exportTo.reset();
    EXPECT_FALSE(window.Export());  // cancelled

    ::SetWindowPos(window.Handle(), nullptr, 50, 60, 500, 300, SWP_NOZORDER);
    ::SendMessageW(window.Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(window.IsOpen());
    ASSERT_TRUE(extensions.HistoryWindow);
    EXPECT_EQ(*extensions.HistoryWindow, (Rect{50, 60, 550, 360}));
    window.OnTick();  // closed: nothing to do
    ASSERT_TRUE(window.Show());
    RECT placed{};
    ::GetWindowRect(window.Handle(), &placed);
    EXPECT_EQ(placed.left, 50);
    EXPECT_EQ(placed.right - placed.left, 500);
}

}  // namespace
}  // namespace orvane::win
