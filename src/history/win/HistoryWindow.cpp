#include "history/win/HistoryWindow.h"

#include <commdlg.h>
#include <windowsx.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "common/core/DpiScale.h"
#include "common/win/CommonDialogs.h"
#include "common/win/MonitorDpi.h"
#include "common/win/WindowDpi.h"
#include "display/core/ColorRoles.h"
#include "display/win/DarkMode.h"
#include "history/core/CivilTime.h"
#include "history/core/HistoryCsv.h"
#include "history/win/HistoryFile.h"

namespace orvane::win {

namespace {

constexpr int kDefaultWidth = 720;
constexpr int kDefaultHeight = 420;

COLORREF AsColorRef(ColorValue value) {
    return static_cast<COLORREF>(ColorToRgb(value)) & 0xFFFFFF;
}

COLORREF Blend(COLORREF a, COLORREF b, int percentOfB) {
    const auto mix = [&](int x, int y) { return (x * (100 - percentOfB) + y * percentOfB) / 100; };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)),
               mix(GetBValue(a), GetBValue(b)));
}

std::optional<std::wstring> AskExportFile(HWND owner) {
    wchar_t path[MAX_PATH] = L"Orvane.History.csv";
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = L"CSV (*.csv)\0*.csv\0";
    ofn.lpstrFile = path;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrDefExt = L"csv";
    ofn.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    if (!SaveFileDialog(&ofn)) {
        return std::nullopt;
    }
    return std::wstring(path);
}

int TextWidth(HDC dc, const std::wstring& text) {
    SIZE extent{};
    ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    return extent.cx;
}

// Whether a remembered place still shows on a monitor.
bool IsOnAMonitor(const Rect& place) {
    const RECT r{place.left, place.top, place.right, place.bottom};
    return ::MonitorFromRect(&r, MONITOR_DEFAULTTONULL) != nullptr;
}

}  // namespace

HistoryWindow::HistoryWindow(HistoryWindowHost host) : host_(std::move(host)) {
    if (!host_.ChooseExportFile) {
        host_.ChooseExportFile = AskExportFile;
    }
}

HistoryWindow::~HistoryWindow() {
    DestroyOwnWindow();
}

bool HistoryWindow::Show() {
    if (!Handle()) {
        if (!RegisterClassOnce(kClassName, nullptr, nullptr)) {
            return false;
        }
        int x = CW_USEDEFAULT;
        int y = CW_USEDEFAULT;
        int w = CW_USEDEFAULT;
        int h = CW_USEDEFAULT;
        const auto& place = host_.Extensions->HistoryWindow;
        if (place && IsOnAMonitor(*place)) {
            x = place->left;
            y = place->top;
            w = place->Width();
            h = place->Height();
        }
        if (!CreateWindowFor(kClassName, L"内存历史", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                             WS_EX_APPWINDOW, x, y, w, h, nullptr)) {
            return false;
        }
        ApplyDpi(GetWindowDpi(Handle()));
        if (!place || !IsOnAMonitor(*place)) {
            const SIZE size = WindowSizeForClient(
                Handle(), {ScaleByDpi(kDefaultWidth, dpi_), ScaleByDpi(kDefaultHeight, dpi_)},
                dpi_);
            ::SetWindowPos(Handle(), nullptr, 0, 0, size.cx, size.cy,
                           SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        CreateControls();
        PlaceControls();
    }
    if (::IsIconic(Handle())) {
        ::ShowWindow(Handle(), SW_RESTORE);
    }
    ::ShowWindow(Handle(), SW_SHOW);
    ::SetForegroundWindow(Handle());
    return true;
}

void HistoryWindow::CreateControls() {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    for (int i = 0; i <= kHistorySpanCount; ++i) {
        const bool isExport = i == kHistorySpanCount;
        const wchar_t* caption = isExport ? L"导出..." : SpanCaption(static_cast<HistorySpan>(i));
        const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP |
                            (isExport ? BS_PUSHBUTTON : BS_AUTORADIOBUTTON | BS_PUSHLIKE) |
                            (i == 0 ? WS_GROUP : 0);
        buttons_[i] = ::CreateWindowExW(0, L"BUTTON", caption, style, 0, 0, 0, 0, Handle(),
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(
                                            isExport ? kExportButtonId : kSpanButtonId + i)),
                                        instance, nullptr);
        ::SendMessageW(buttons_[i], WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    }
    ::SendMessageW(buttons_[static_cast<int>(span_)], BM_SETCHECK, BST_CHECKED, 0);
}

void HistoryWindow::ApplyDpi(int dpi) {
    dpi_ = dpi;
    font_ = CreateMessageFont(dpi);
    WindowDc dc(Handle());
    SelectObjectGuard selected(dc.get(), font_.get());
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc.get(), &metrics);
    textHeight_ = metrics.tmHeight;
    loadLabelWidth_ = TextWidth(dc.get(), L"100%");
    buttonWidth_ = TextWidth(dc.get(), L"导出...");
    for (int i = 0; i < kHistorySpanCount; ++i) {
        buttonWidth_ =
            std::max(buttonWidth_, TextWidth(dc.get(), SpanCaption(static_cast<HistorySpan>(i))));
    }
    for (HWND button : buttons_) {
        if (button) {
            ::SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
        }
    }
}

ChartLayout HistoryWindow::Layout() const {
    RECT client{};
    ::GetClientRect(Handle(), &client);
    const int suspects = static_cast<int>(
        host_.Recorder->Options().LeakWatch ? host_.Recorder->Leaks().Suspects().size() : 0);
    return LayoutChart({client.left, client.top, client.right, client.bottom}, dpi_, textHeight_,
                       loadLabelWidth_, buttonWidth_, suspects);
}

void HistoryWindow::PlaceControls() {
    const ChartLayout layout = Layout();
    for (int i = 0; i <= kHistorySpanCount; ++i) {
        const Rect& r = layout.Buttons[i];
        ::MoveWindow(buttons_[i], r.left, r.top, r.Width(), r.Height(), TRUE);
    }
}

ChartColors HistoryWindow::Colors() const {
    const OrvaneOptions& options = *host_.Options;
    const bool dark = MenuModeNow(options) == kDarkMenu;
    ChartColors colors;
    colors.Background = AsColorRef(MenuBackgroundColor(dark ? kDarkMenu : kLightMenu));
    colors.Text = dark ? RGB(255, 255, 255) : RGB(0, 0, 0);
    colors.Grid = Blend(colors.Background, colors.Text, 30);
    const IconColors icon = CurrentIconColors(options);
    colors.Green = AsColorRef(icon.Green);
    colors.Yellow = AsColorRef(icon.Yellow);
    colors.Red = AsColorRef(icon.Red);
    return colors;
}

ChartPicture HistoryWindow::Picture() const {
    const HistoryRecorder& recorder = *host_.Recorder;
    HistoryClock& clock = recorder.Clock();
    const LocalTime now = clock.Now();
    ChartPicture picture;
    picture.Data = ChartDataOf(recorder.History(), span_, clock.TickMs(), clock.EpochMs(),
                               now.UtcOffsetMinutes);
    picture.YellowPercent = host_.Options->YellowPercent;
    picture.RedPercent = host_.Options->RedPercent;
    const NumberSeparators& separators = host_.Separators();
    if (recorder.Options().LeakWatch) {
        const auto suspects = recorder.Leaks().Suspects();
        if (!suspects.empty()) {
            picture.SuspectLines.push_back(L"疑似内存泄漏 (名称, 开始, 现在, 每小时增长, 开始于):");
            for (const LeakSuspect& suspect : suspects) {
                picture.SuspectLines.push_back(
                    SuspectLine(suspect, now.UtcOffsetMinutes, separators));
            }
        }
    }
    if (hoverX_) {
        const ChartLayout layout = Layout();
        if (const ChartSample* sample = SampleAt(picture.Data, layout.Plot, *hoverX_)) {
            const auto minute = static_cast<std::int32_t>(sample->EpochMs / 60000);
            picture.HoverX =
                XOfTime(layout.Plot, picture.Data.StartMs, picture.Data.EndMs, sample->EpochMs);
            picture.HoverLines = HoverLines(*sample, picture.Data, host_.TotalPhys(),
                                            recorder.Leaks().TopAt(minute), separators);
        }
    }
    return picture;
}

void HistoryWindow::OnPaint() {
    PAINTSTRUCT ps{};
    const HDC dc = ::BeginPaint(Handle(), &ps);
    ScopeExit endPaint([&] { ::EndPaint(Handle(), &ps); });
    RECT client{};
    ::GetClientRect(Handle(), &client);
    if (client.right <= 0 || client.bottom <= 0) {
        return;
    }
    // Drawn off-screen and copied in one go: no flicker while the chart moves on.
    const UniqueMemoryDc memory(::CreateCompatibleDC(dc));
    const UniqueBitmap bitmap(::CreateCompatibleBitmap(dc, client.right, client.bottom));
    if (!memory || !bitmap) {
        return;
    }
    SelectObjectGuard selected(memory.get(), bitmap.get());
    PaintChart(memory.get(), client, Layout(), dpi_, font_.get(), Picture(), Colors());
    ::BitBlt(dc, 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
}

void HistoryWindow::OnTick() {
    if (Handle() && ::IsWindowVisible(Handle()) && !::IsIconic(Handle())) {
        PlaceControls();  // the suspects' list may have grown
        ::InvalidateRect(Handle(), nullptr, FALSE);
    }
}

void HistoryWindow::SetSpan(HistorySpan span) {
    span_ = span;
    for (int i = 0; i < kHistorySpanCount; ++i) {
        if (buttons_[i]) {
            ::SendMessageW(buttons_[i], BM_SETCHECK,
                           i == static_cast<int>(span) ? BST_CHECKED : BST_UNCHECKED, 0);
        }
    }
    if (Handle()) {
        ::InvalidateRect(Handle(), nullptr, FALSE);
    }
}

void HistoryWindow::SetHover(std::optional<int> x) {
    hoverX_ = x;
    if (Handle()) {
        ::InvalidateRect(Handle(), nullptr, FALSE);
    }
}

bool HistoryWindow::Export() {
    const auto path = host_.ChooseExportFile(Handle());
    if (!path) {
        return false;
    }
    const auto now = UtcMinuteOf(host_.Recorder->Clock().Now());
    if (!now) {
        return false;
    }
    const auto minutes = MinutesInSpan(host_.Recorder->History().Minutes(), span_, *now);
    return WriteFileThroughCopy(*path, HistoryCsvText(minutes));
}

void HistoryWindow::RememberPlace() {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (::GetWindowPlacement(Handle(), &placement)) {
        const RECT& r = placement.rcNormalPosition;
        host_.Extensions->HistoryWindow = Rect{r.left, r.top, r.right, r.bottom};
    }
}

LRESULT HistoryWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_SIZE:
            PlaceControls();
            ::InvalidateRect(Handle(), nullptr, FALSE);
            return 0;
        case WM_GETMINMAXINFO: {
            auto& info = *reinterpret_cast<MINMAXINFO*>(lp);
            info.ptMinTrackSize = {ScaleByDpi(360, dpi_), ScaleByDpi(220, dpi_)};
            return 0;
        }
        case WM_MOUSEMOVE:
            if (!tracking_) {
                TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Handle(), 0};
                tracking_ = ::TrackMouseEvent(&track) != FALSE;
            }
            SetHover(GET_X_LPARAM(lp));
            return 0;
        case WM_MOUSELEAVE:
            tracking_ = false;
            SetHover(std::nullopt);
            return 0;
        case WM_COMMAND: {
            const int id = LOWORD(wp);
            if (id == kExportButtonId) {
                Export();
            } else if (id >= kSpanButtonId && id < kSpanButtonId + kHistorySpanCount) {
                SetSpan(static_cast<HistorySpan>(id - kSpanButtonId));
            }
            return 0;
        }
        case WM_DPICHANGED: {
            ApplyDpi(LOWORD(wp));
            const RECT& suggested = *reinterpret_cast<const RECT*>(lp);
            ::SetWindowPos(Handle(), nullptr, suggested.left, suggested.top,
                           suggested.right - suggested.left, suggested.bottom - suggested.top,
                           SWP_NOZORDER | SWP_NOACTIVATE);
            PlaceControls();
            return 0;
        }
        case WM_SETTINGCHANGE:
            ::InvalidateRect(Handle(), nullptr, FALSE);
            break;
        case WM_DESTROY:
            std::fill(std::begin(buttons_), std::end(buttons_), nullptr);
            break;
        case WM_CLOSE:
            RememberPlace();
            DestroyOwnWindow();
            return 0;
        default:
            break;
    }
    return Window::HandleMessage(msg, wp, lp);
}

}  // namespace orvane::win
