#include "app/win/Main.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include <cstdio>
#include <vector>

#include "app/core/VersionText.h"
#include "app/win/Privileges.h"
#include "app/win/Resource.h"
#include "app/win/VersionInfo.h"
#include "common/core/DpiScale.h"
#include "processes/core/TrayMenuCommands.h"
#include "processes/win/WorkingSetTrimmer.h"

namespace orvane::win {

namespace {

constexpr UINT_PTR kSamplingTimer = 1;
constexpr UINT_PTR kDefragTimer = 2;

// About-window layout at 96 DPI.
constexpr int kAboutWidth = 360;
constexpr int kAboutHeight = 210;

std::wstring WindowsFolder() {
    wchar_t buf[MAX_PATH];
    const UINT n = ::GetWindowsDirectoryW(buf, MAX_PATH);
    std::wstring dir(buf, n < MAX_PATH ? n : 0);
    if (dir.empty() || dir.back() != L'\\') {
        dir += L'\\';
    }
    return dir;
}

UniqueIcon ExtractSmallIcon(const std::wstring& file, int index) {
    HICON large = nullptr;
    HICON small = nullptr;
    ::ExtractIconExW(file.c_str(), index, &large, &small, 1);
    UniqueIcon discard(large);  // only the small one is used
    return UniqueIcon(small);
}

int ScreenDpi(HWND hwnd) {
    WindowDc dc(hwnd);
    return dc.get() ? ::GetDeviceCaps(dc.get(), LOGPIXELSY) : kBaseDpi;
}

// What the tray menu reads from the main form at each opening.
class MainMenuHost final : public TrayMenuHost {
  public:
    explicit MainMenuHost(const TFrmOrvaneMain& form) : form_(form) {}
    const TOrvaneOptions& MenuOptions() const override { return form_.MemOptions; }
    std::uint64_t DisplayedTotal() const override { return form_.DisplayedTotal; }
    std::wstring MemoryInfoText() const override { return form_.MemoryInfoText; }
    int IconSize() const override { return form_.IconSize; }
    int MonitorDpi() const override { return ScreenDpi(form_.Handle()); }

    // Stand-ins until the byte-size text, the colour roles and the hotkey text are in.
    std::wstring FormatByteSize(std::uint64_t bytes) const override {
        wchar_t buf[64];
        if (bytes >= (1ull << 30)) {
            std::swprintf(buf, 64, L"%.2f GB", static_cast<double>(bytes) / (1ull << 30));
        } else {
            std::swprintf(buf, 64, L"%llu MB", static_cast<unsigned long long>(bytes >> 20));
        }
        return buf;
    }
    int GetMenuModeColor() const override { return form_.MemOptions.MenuColorMode == 1 ? 1 : 0; }
    TColor GetProcMenuHighlighColor(bool DefaultsOnly, int) const override {
        const TColor set = form_.MemOptions.ProcMenuHightlightColor;
        if (!DefaultsOnly && set != kAutomaticColor) {
            return set;
        }
        return GetMenuModeColor() == 1 ? 0x4D4D8B : 0xE7E7FB;
    }
    std::wstring HotkeyText() const override { return {}; }

  private:
    const TFrmOrvaneMain& form_;
};

}  // namespace

TFrmOrvaneMain::TFrmOrvaneMain(MainServices services) : services_(std::move(services)) {}

TFrmOrvaneMain::~TFrmOrvaneMain() {
    FormDestroy();
}

bool TFrmOrvaneMain::FormCreate() {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    appIcon_.reset(static_cast<HICON>(
        ::LoadImageW(instance, MAKEINTRESOURCEW(IDI_ORVANE), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE)));
    appIconSmall_.reset(static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(IDI_ORVANE),
                                                        IMAGE_ICON, ::GetSystemMetrics(SM_CXSMICON),
                                                        ::GetSystemMetrics(SM_CYSMICON), 0)));
    if (!RegisterClassOnce(kClassName, appIcon_.get(), appIconSmall_.get())) {
        return false;
    }
    // A tool window: the about window never gets a taskbar button.
    const int dpi = ScreenDpi(nullptr);
    if (!CreateWindowFor(kClassName, L"关于 Orvane", WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                         WS_EX_TOOLWINDOW, 0, 0, ScaleByDpi(kAboutWidth, dpi),
                         ScaleByDpi(kAboutHeight, dpi), nullptr)) {
        return false;
    }
    taskbarCreatedMsg_ = ::RegisterWindowMessageW(L"TaskbarCreated");
    tray_.Attach(Handle());
    CreateAboutControls();
    BuildTrayMenu();

    // 1. Operating-system test.
    OSVERSIONINFOW vi{};
    vi.dwOSVersionInfoSize = sizeof(vi);
#if defined(_MSC_VER)
#pragma warning(suppress : 4996)
#endif
    ::GetVersionExW(&vi);
    if (!IsSupportedWindows(vi.dwPlatformId == VER_PLATFORM_WIN32_NT, vi.dwMajorVersion,
                            vi.dwMinorVersion)) {
        ::MessageBoxW(nullptr, L"该程序需要 Windows 7/8/10/11 或更高版本", L"Orvane",
                      MB_OK | MB_ICONINFORMATION);
        ::PostMessageW(Handle(), WM_QUIT, 0, 0);
    }
    // 2.–7. Drawing surfaces, sizes and the per-run state.
    IconSize = ::GetSystemMetrics(SM_CXSMICON);
    IsVista = vi.dwMajorVersion >= 6;
    {
        WindowDc dc(Handle());
        SelectObjectGuard font(dc.get(), uiFont_.get());
        SIZE sz{};
        ::GetTextExtentPoint32W(dc.get(), L"AA", 2, &sz);
        MenuTextHeight = sz.cy;
    }
    NextAlarmTick = 0;
    LastMemPerc = 0;
    LastDrawText.clear();
    // 8.–11. Settings.
    IniFileName = GetIniFile();
    LoadOptions();
    InitSettings();
    // 12.–16.
    SetVersionLabel();
    LoadMenuIcons();
    EnablePrivilege(L"SeDebugPrivilege", true);
    tray_.SetTip(L"Orvane");
    TimerTimer();
    return true;
}

void TFrmOrvaneMain::CreateAboutControls() {
    const int dpi = ScreenDpi(Handle());
    auto s = [dpi](int n) { return ScaleByDpi(n, dpi); };
    NONCLIENTMETRICSW ncm{};
    ncm.cbSize = sizeof(ncm);
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0);
    uiFont_.reset(::CreateFontIndirectW(&ncm.lfMessageFont));
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    auto make = [&](const wchar_t* cls, const wchar_t* text, DWORD style, int id, int x, int y,
                    int w, int h) {
        HWND c = ::CreateWindowExW(
            0, cls, text, WS_CHILD | WS_VISIBLE | style, s(x), s(y), s(w), s(h), Handle(),
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
        ::SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(uiFont_.get()), FALSE);
        return c;
    };
    HWND icon = make(L"STATIC", nullptr, SS_ICON, IDC_ABOUT_ICON, 16, 16, 32, 32);
    ::SendMessageW(icon, STM_SETICON, reinterpret_cast<WPARAM>(appIcon_.get()), 0);
    make(L"STATIC", L"Orvane - 托盘内存监视器", SS_LEFT, IDC_ABOUT_NAME, 64, 18, 280, 20);
    versionLabel_ = make(L"STATIC", L"版本      ", SS_LEFT, IDC_ABOUT_VERSION, 64, 42, 280, 20);
    make(L"STATIC", L"© 2026 Velmoria. 保留所有权利.", SS_LEFT, IDC_ABOUT_RIGHTS, 64, 66, 280, 20);
    downloadLabel_ = make(L"STATIC", L"", SS_LEFT, IDC_ABOUT_DOWNLOAD, 64, 90, 280, 20);
    make(L"BUTTON", L"确定(&O)", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, 250, 130, 90, 28);
    aboutControlsMade_ = true;
}

void TFrmOrvaneMain::SetVersionLabel() {
    wchar_t path[MAX_PATH];
    const DWORD n = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring exe(path, n < MAX_PATH ? n : 0);
    ::SetWindowTextW(versionLabel_,
                     (L"版本      " + FormatVersionText(GetFileVersionText(exe), true)).c_str());
}

void TFrmOrvaneMain::LoadMenuIcons() {
    const std::wstring windows = WindowsFolder();
    genericAppIcon_ = IsVista ? ExtractSmallIcon(windows + L"System32\\User32.dll", 0)
                              : ExtractSmallIcon(windows + L"System32\\Shell32.dll", 2);
    taskManagerIcon_ = ExtractSmallIcon(windows + L"System32\\taskmgr.exe", 0);
}

void TFrmOrvaneMain::BuildTrayMenu() {
    menuHost_ = std::make_unique<MainMenuHost>(*this);
    trayMenu_ = std::make_unique<TrayMenu>(Handle(), *menuHost_);
}

std::wstring TFrmOrvaneMain::GetIniFile() {
    return {};
}

void TFrmOrvaneMain::LoadOptions() {
    InitDefaultMenu();
    UpdateShortCut();
    ::PostMessageW(Handle(), WM_APPLOADED, 0, 0);
}

void TFrmOrvaneMain::SaveOptions() {}

void TFrmOrvaneMain::InitSettings() {
    LastDrawText.clear();
    TimerTimer();
    if (MemOptions.RefreshRate > 0) {
        ::SetTimer(Handle(), kSamplingTimer, static_cast<UINT>(MemOptions.RefreshRate), nullptr);
    } else {
        ::KillTimer(Handle(), kSamplingTimer);
    }
    ::KillTimer(Handle(), kDefragTimer);
}

void TFrmOrvaneMain::InitDefaultMenu() {
    trayMenu_->InitDefaultMenu(MemOptions.DoubleClickAction);
}

void TFrmOrvaneMain::UpdateShortCut() {}

MemorySnapshot TFrmOrvaneMain::TakeSnapshot() const {
    if (services_.ReadMemory) {
        return services_.ReadMemory();
    }
    MEMORYSTATUSEX ms{};
    ms.dwLength = sizeof(ms);
    ::GlobalMemoryStatusEx(&ms);
    return {ms.dwMemoryLoad, ms.ullTotalPhys, ms.ullAvailPhys, ms.ullTotalPageFile,
            ms.ullAvailPageFile};
}

void TFrmOrvaneMain::TimerTimer() {
    const MemorySnapshot tms = TakeSnapshot();
    DisplayedTotal = MemOptions.ShowPage ? tms.TotalPageFile : tms.TotalPhys;
    const std::wstring text = std::to_wstring(tms.MemoryLoad);
    if (text == LastDrawText && !MemoryInfoText.empty()) {
        return;
    }
    LastDrawText = text;
    tray_.SetIcon(appIconSmall_.get());
}

void TFrmOrvaneMain::AppLoaded() {
    tray_.SetVisible(true);
    ProcessPendingMessages();
    if (!MemOptions.ShowWelcomeWindow) {
        return;
    }
    ShowWelcomeScreen();
}

void TFrmOrvaneMain::ShowWelcomeScreen() {}

void TFrmOrvaneMain::ShowRunningCopyBalloon() {
    tray_.ShowBalloon(L"Orvane 正在运行",
                      L"如果系统隐藏了该图标, 请按该图标旁边的 \"显示隐藏图标\" 按钮, 然后将 "
                      L"Orvane 图标拖回到托盘中.",
                      NIIF_INFO);
}

void TFrmOrvaneMain::About1Click() {
    FormShow();
    ::ShowWindow(Handle(), SW_SHOWNORMAL);
    ::SetForegroundWindow(Handle());
}

void TFrmOrvaneMain::FormShow() {
    ProcessPendingMessages();
}

void TFrmOrvaneMain::Button1Click() {
    ::ShowWindow(Handle(), SW_HIDE);
}

void TFrmOrvaneMain::Close1Click() {
    ::KillTimer(Handle(), kSamplingTimer);
    tray_.SetVisible(false);
    ProcessPendingMessages();
    ::PostMessageW(Handle(), WM_QUIT, 0, 0);
}

bool TFrmOrvaneMain::FormCloseQuery() {
    SaveOptions();
    return true;
}

void TFrmOrvaneMain::LaunchTaskManager1Click() {
    ::ShellExecuteW(Handle(), L"Open", L"taskmgr.exe", L"", L"", SW_SHOW);
}

void TFrmOrvaneMain::MemoryDefragmenter1Click() {
    TrimAllWorkingSets();
}

// The process details dialog comes later; a process line does nothing visible until then.
void TFrmOrvaneMain::GetAppInfo(const TMenuItemEx&) {}

void TFrmOrvaneMain::FormDestroy() {
    if (trayMenu_) {
        trayMenu_->FreeIconsFromMenu();
    }
    if (Handle()) {
        ::KillTimer(Handle(), kSamplingTimer);
        ::KillTimer(Handle(), kDefragTimer);
    }
    tray_.SetVisible(false);
    DestroyOwnWindow();
}

void TFrmOrvaneMain::ShowTrayMenu(int x, int y) {
    // The menu only closes on an outside click when our window is in the foreground.
    ::SetForegroundWindow(Handle());
    trayMenu_->Popup(POINT{x, y});
}

LRESULT TFrmOrvaneMain::OnTrayNotify(WPARAM wp, LPARAM lp) {
    switch (LOWORD(lp)) {
        case WM_CONTEXTMENU:
            ShowTrayMenu(GET_X_LPARAM(wp), GET_Y_LPARAM(wp));
            break;
        default:
            break;
    }
    return 0;
}

LRESULT TFrmOrvaneMain::OnCommand(WPARAM wp, LPARAM) {
    switch (LOWORD(wp)) {
        case IDOK:
        case IDCANCEL:
            Button1Click();
            break;
        case kCmdLaunchTaskManager:
            LaunchTaskManager1Click();
            break;
        case kCmdMemoryDefragmenter:
            MemoryDefragmenter1Click();
            break;
        case kCmdAbout:
            About1Click();
            break;
        case kCmdClose:
            Close1Click();
            break;
        default:
            if (const TMenuItemEx* line = trayMenu_->ProcessLine(LOWORD(wp))) {
                GetAppInfo(*line);
            }
            break;
    }
    return 0;
}

LRESULT TFrmOrvaneMain::OnTimer(WPARAM wp) {
    if (wp == kSamplingTimer) {
        TimerTimer();
    }
    return 0;
}

LRESULT TFrmOrvaneMain::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_APPLOADED:
            AppLoaded();
            return 0;
        case WM_RUNNINGCOPY:
            ShowRunningCopyBalloon();
            return 0;
        case TrayIcon::kCallbackMessage:
            return OnTrayNotify(wp, lp);
        case WM_COMMAND:
            return OnCommand(wp, lp);
        case WM_MEASUREITEM:
            if (trayMenu_ && trayMenu_->MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lp))) {
                return TRUE;
            }
            break;
        case WM_DRAWITEM:
            if (trayMenu_ && trayMenu_->DrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lp))) {
                return TRUE;
            }
            break;
        case WM_MENUCHAR:
            if (trayMenu_) {
                if (const LRESULT r =
                        trayMenu_->MenuChar(LOWORD(wp), reinterpret_cast<HMENU>(lp))) {
                    return r;
                }
            }
            break;
        case WM_TIMER:
            return OnTimer(wp);
        case WM_CLOSE:
            ::ShowWindow(Handle(), SW_HIDE);  // closing the about window keeps the program running
            return 0;
        case WM_QUERYENDSESSION:
            return FormCloseQuery() ? TRUE : FALSE;
        default:
            break;
    }
    if (msg == taskbarCreatedMsg_ && taskbarCreatedMsg_ != 0) {
        tray_.OnTaskbarCreated();
        return 0;
    }
    return Window::HandleMessage(msg, wp, lp);
}

}  // namespace orvane::win
