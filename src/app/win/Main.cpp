#include "app/win/Main.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include <exception>

#include "common/core/VersionText.h"
#include "common/win/DefaultErrorHandler.h"
#include "app/win/Privileges.h"
#include "app/win/Resource.h"
#include "app/win/RunningCopy.h"
#include "common/win/VersionResource.h"
#include "common/win/MonitorDpi.h"
#include "common/win/PlaceWindow.h"
#include "common/win/WindowDpi.h"
#include "display/win/DarkMode.h"
#include "history/core/ExtensionSettings.h"
#include "dialogs/core/MessageBoxBuilder.h"
#include "dialogs/win/MessageDialogs.h"
#include "dialogs/win/TaskDialogEmulation.h"
#include "history/core/ExtensionSettings.h"
#include "monitor/core/ByteSize.h"
#include "monitor/core/MemoryInfo.h"
#include "monitor/core/TimerIntervals.h"
#include "processes/core/TrayMenuCommands.h"
#include "processes/win/HotkeyShortCut.h"
#include "processes/core/TrayDoubleClick.h"
#include "processes/win/ProcessDetailsDialog.h"
#include "processes/win/WindowsShortcuts.h"
#include "processes/win/WorkingSetTrimmer.h"
#include "hotkeys/core/HotKeyValue.h"
#include "monitor/core/HighMemoryActions.h"
#include "monitor/win/HighMemoryLog.h"
#include "monitor/win/LowMemoryWarning.h"
#include "settings/core/UnreadableSettingsBox.h"
#include "settings/win/ProfileFile.h"

namespace orvane::win {

namespace {

constexpr wchar_t kTaskbarHelpUrl[] =
    L"https://support.microsoft.com/en-us/windows/"
    L"customize-the-taskbar-notification-area-e159e8d2-9ac5-b2bd-61c5-bb63c1d437c3";
constexpr wchar_t kDonateUrl[] = L"https://www.velmoria.com/orvane/donate";

constexpr UINT_PTR kSamplingTimer = 1;
constexpr UINT_PTR kDefragTimer = 2;

// What the tray menu reads from the main form at each opening.
class MainMenuHost final : public TrayMenuHost {
  public:
    explicit MainMenuHost(const MainWindow& form) : form_(form) {}
    const OrvaneOptions& MenuOptions() const override { return form_.MemOptions; }
    std::uint64_t DisplayedTotal() const override { return form_.DisplayedTotal; }
    std::wstring MemoryInfoText() const override { return form_.MemoryInfoText; }
    std::wstring FormatByteSize(std::uint64_t bytes) const override {
        return orvane::FormatByteSize(static_cast<std::int64_t>(bytes), form_.Separators());
    }
    int IconSize() const override { return form_.IconSize; }
    int MonitorDpi() const override { return GetMonitorDpi(form_.Handle()); }
    bool ShowProtectedProcesses() const override { return form_.Extensions.ShowProtectedProcesses; }

    std::wstring HotkeyText() const override {
        return HotkeyShortCutText(static_cast<std::uint32_t>(form_.MemOptions.RefreshHotkey));
    }

    // The menu colour roles, with the applications' appearance read now.
    int GetMenuModeColor() const override { return MenuModeNow(form_.MemOptions); }
    ColorValue GetProcMenuHighlightColor(bool DefaultsOnly, int nForceColorMode) const override {
        return ProcMenuHighlightNow(form_.MemOptions, DefaultsOnly, nForceColorMode);
    }

  private:
    const MainWindow& form_;
};

}  // namespace

// What the options dialog changes on the main form.
class MainOptionsHost final : public OptionsHost {
  public:
    explicit MainOptionsHost(MainWindow& form) : form_(form) {}
    OrvaneOptions& Options() override { return form_.MemOptions; }
    HWND MainWindowHandle() const override { return form_.Handle(); }
    std::wstring SettingsFile() const override {
        return form_.settingsFile_ ? form_.settingsFile_->WritablePath() : form_.IniFileName;
    }
    const DataPaths& Paths() const override { return form_.paths_; }
    void SaveOptions() override { form_.SaveOptions(); }
    void ShowLogCommand(bool visible) override {
        form_.trayMenu_->SetItemVisible(kCmdShowLog, visible);
    }
    void RemoveTrayItems(int tag) override { form_.trayMenu_->RemoveTaggedItems(tag); }
    void SetSamplingInterval(int milliseconds) override { form_.SetSamplingTimer(milliseconds); }
    void RedrawIcon() override {
        form_.LastDrawText.clear();
        form_.OnSampleTimer();
    }
    void UpdateShortCut() override { form_.UpdateShortCut(); }
    void InitDefaultMenu() override { form_.InitDefaultMenu(); }

  private:
    MainWindow& form_;
};

MainWindow::MainWindow(MainServices services)
    : services_(std::move(services)),
      tray_(services_.Tray ? *services_.Tray : SystemTrayShell()),
      paths_(services_.ExeFolder.empty() ? ExecutableFolder() : services_.ExeFolder),
      history_(Extensions, services_.HistoryClocks, services_.TakeProcesses) {
    hotKeys_.OnHotKeyPressed = [this](std::uint32_t, std::uint16_t) {
        RunEventHandler([this] { OnHotKeyPressed(); });
    };
}

MainWindow::~MainWindow() {
    FormDestroy();
}

bool MainWindow::FormCreate() {
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
    if (!CreateWindowFor(kClassName, L"关于 Orvane", WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                         WS_EX_TOOLWINDOW, 0, 0, 0, 0, nullptr)) {
        return false;
    }
    sessionNotification_.Register(Handle());
    tray_.Attach(Handle());
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
        ShowInfoMessage(L"该程序需要 Windows 7/8/10/11 或更高版本", Handle());
        ::PostMessageW(Handle(), WM_QUIT, 0, 0);
    }
    // 2.–7. Drawing surfaces, sizes and the per-run state.
    IconSize = ::GetSystemMetrics(SM_CXSMICON);
    HighMemory = HighMemoryCheck{};
    LastDrawText.clear();
    // 8.–11. Settings.
    IniFileName = GetIniFile();
    LoadOptions();
    history_.Load(IniFileName);
    InitSettings();
    // 12.–16.
    SetVersionLabel();
    EnablePrivilege(L"SeDebugPrivilege", true);
    tray_.SetTip(L"Orvane");
    RunEventHandler([this] { OnSampleTimer(); });
    return true;
}

void MainWindow::OpenOptionsWhenLoaded() {
    ::PostMessageW(Handle(), WM_COMMAND, kCmdSettings, 0);
}

void MainWindow::SetVersionLabel() {
    wchar_t path[MAX_PATH];
    const DWORD n = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring exe(path, n < MAX_PATH ? n : 0);
    versionText_ = L"版本      " + FormatVersionText(GetFileVersionText(exe), true);
    if (about_.VersionLabel()) {
        ::SetWindowTextW(about_.VersionLabel(), versionText_.c_str());
    }
}

// The about window's controls are made when it is first shown: a program that only sits in the
// tray never loads the common controls they need.
void MainWindow::CreateAboutControls() {
    if (about_.VersionLabel()) {
        return;
    }
    about_.Create(Handle());
    ::SetWindowTextW(about_.VersionLabel(), versionText_.c_str());
    about_.Layout(GetMonitorDpi(Handle()));
    updateCheck_.Attach(about_.DownloadLink());
}

// The menu loads its own icons (the generic application icon and the Task Manager's).
void MainWindow::BuildTrayMenu() {
    menuHost_ = std::make_unique<MainMenuHost>(*this);
    trayMenu_ = std::make_unique<TrayMenu>(Handle(), *menuHost_);
}

std::wstring MainWindow::GetIniFile() {
    std::wstring file = paths_.GetIniFile();
    return file;
}

void MainWindow::LoadOptions() {
    settingsFile_.emplace(IniFileName);
    MemOptions = settingsFile_->Load(
        paths_.GetLogFile(), MemOptions.Font,
        [this](const SettingsReader& file) { Extensions = ReadExtensionOptions(file); });
    // The font carries the effective text colour, not the stored one.
    SetFontColor(MemOptions);
    trayMenu_->SetItemVisible(kCmdShowLog, MemOptions.WriteLog);
    UpdateShortCut();
    InitDefaultMenu();
    ::PostMessageW(Handle(), WM_APPLOADED, 0, 0);
}

void MainWindow::SaveOptions() {
    settingsFile_->Save(MemOptions,
                        [this](SettingsWriter& file) { WriteExtensionOptions(Extensions, file); });
}

void MainWindow::InitSettings() {
    // The timers come first: the tick of the visual settings may open a modal dialog, under
    // which sampling has to go on.
    SetSamplingTimer(MemOptions.RefreshRate);
    const auto defragInterval = DefragTimerInterval(MemOptions.DefragEvery);
    if (MemOptions.DefragEveryActive && defragInterval) {
        ::SetTimer(Handle(), kDefragTimer, *defragInterval, nullptr);
    } else {
        ::KillTimer(Handle(), kDefragTimer);
    }
    InitVisualSettings();
    RunEventHandler([this] { OnDefragTimer(); });
}

void MainWindow::SetSamplingTimer(int milliseconds) {
    if (const auto interval = SamplingTimerInterval(milliseconds)) {
        ::SetTimer(Handle(), kSamplingTimer, *interval, nullptr);
    } else {
        ::KillTimer(Handle(), kSamplingTimer);
    }
}

// New DPI, icon size, theme or locale: renews the menu background and the icon's size and
// colours, and draws the icon again at once.
void MainWindow::InitVisualSettings() {
    menuBackground_.InitBgMenu(trayMenu_->Handle(), MemOptions);
    painter_.InitVisualSettings(Handle());
    IconSize = painter_.IconSize();
    SetFontColor(MemOptions);
    LastDrawText.clear();
    RunEventHandler([this] { OnSampleTimer(); });
}

void MainWindow::InitDefaultMenu() {
    trayMenu_->InitDefaultMenu(MemOptions.DoubleClickAction);
}

void MainWindow::UpdateShortCut() {
    hotKeys_.ClearHotKeys();
    // 0 means no hotkey. A key that types, without Ctrl, Alt or Win, would be taken from every
    // program: it stays in the file but is not registered.
    const auto hotKey = static_cast<std::uint32_t>(MemOptions.RefreshHotkey);
    if (hotKey != 0 && !HotKeyTakesTyping(hotKey)) {
        hotKeys_.AddHotKey(static_cast<std::uint32_t>(MemOptions.RefreshHotkey));
    }
}

MemorySnapshot MainWindow::TakeSnapshot() const {
    if (services_.ReadMemory) {
        return services_.ReadMemory();
    }
    MEMORYSTATUSEX ms{};
    ms.dwLength = sizeof(ms);
    ::GlobalMemoryStatusEx(&ms);
    return {ms.dwMemoryLoad, ms.ullTotalPhys, ms.ullAvailPhys, ms.ullTotalPageFile,
            ms.ullAvailPageFile};
}

void MainWindow::OnSampleTimer() {
    tray_.RetryIfMissing();
    const MemorySnapshot tms = TakeSnapshot();
    history_.AddTick(tms);
    if (historyWindow_) {
        historyWindow_->OnTick();
    }
    DisplayedTotal = orvane::DisplayedTotal(tms, MemOptions);
    if (!painter_.DrawPreview(MemOptions, tms, LastDrawText, !MemoryInfoText.empty())) {
        return;
    }
    MemoryInfoText = orvane::MemoryInfoText(tms, MemOptions, Separators());
    UniqueIcon picture = painter_.MakeIcon();
    tray_.SetIcon(picture.get());
    trayPicture_ = std::move(picture);  // the old picture goes once the tray has the new one
    HighMemory.Check(tms.MemoryLoad, MemOptions, services_.TickCount(),
                     [&] { RunHighMemoryStep(tms); });
}

void MainWindow::RunHighMemoryStep(const MemorySnapshot& tms) {
    history_.MarkHighMemory();
    HighMemoryActions actions;
    actions.TrimAllWorkingSets = [this] { TrimAllWorkingSets(); };
    actions.ShowBalloon = [this](const std::wstring& title, const std::wstring& text) {
        tray_.ShowBalloon(title, text, NIIF_WARNING);
    };
    actions.ShowLowMemoryDialog = [this](const std::wstring& title, const std::wstring& text) {
        ShowLowMemoryDialog(
            MemOptions, title, text, [this] { TrimAllWorkingSets(); },
            [this] { OnLaunchTaskManagerCommand(); });
    };
    actions.AppendLogLine = [this](const MemorySnapshot& snapshot) {
        AppendHighMemoryLog(MemOptions.LogFile, snapshot, Separators());
    };
    RunHighMemoryActions(MemOptions, tms, WarningDialogOpen, actions);
}

void MainWindow::AppLoaded() {
    // Any program can post the start-up message; start-up finishes once.
    if (appLoaded_) {
        return;
    }
    appLoaded_ = true;
    tray_.SetVisible(true);
    ProcessPendingMessages();
    if (settingsFile_->Unreadable()) {
        UnreadableSettingsBox(IniFileName).Execute();
    }
    if (!MemOptions.ShowWelcomeWindow) {
        return;
    }
    ShowWelcomeScreen();
}

void MainWindow::ShowWelcomeScreen() {
    // Links open in the browser, without an owner window.
    const LinkHandler openLink = [](const std::wstring& url) {
        ::ShellExecuteW(nullptr, L"Open", url.c_str(), L"", L"", SW_SHOW);
    };
    bool dontShowAgain = false;
    NewMsgBox(L"始终保持 Orvane 可见!")
        .Text(
            L"Windows 系统会自动隐藏新的托盘图标, 如果您希望内存值显示始终可见, "
            L"请点击箭头以显示溢出部分, 将您想要的图标拖动到任务栏右侧的通知区域.")
        .Text(std::wstring(L"<a href=\"") + kTaskbarHelpUrl + L"\">更多信息</a>")
        .CustomIcon(appIcon_.get())
        .Hypertext(openLink)
        .Verification(L"不再显示此屏幕", &dontShowAgain)
        .Footer(std::wstring(L"Orvane 是免费软件, 如果您觉得它有用, 请考虑 <a href=\"") +
                    kDonateUrl + L"\">捐赠</a> 帮助软件持续开发.",
                kIconInformation)
        .Execute();
    MemOptions.ShowWelcomeWindow = !dontShowAgain;
    if (dontShowAgain) {
        SaveOptions();
    }
}

void MainWindow::ShowRunningCopyBalloon() {
    tray_.ShowBalloon(L"Orvane 正在运行",
                      L"如果系统隐藏了该图标, 请按该图标旁边的 \"显示隐藏图标\" 按钮, 然后将 "
                      L"Orvane 图标拖回到托盘中.",
                      NIIF_INFO);
}

void MainWindow::OnAboutCommand() {
    // The show step runs only on the way from hidden to visible: a window already shown stays
    // where it is and starts no second check.
    if (!::IsWindowVisible(Handle())) {
        FormShow();
        ::ShowWindow(Handle(), SW_SHOWNORMAL);
    }
    ::SetForegroundWindow(Handle());
}

void MainWindow::FormShow() {
    CreateAboutControls();
    PlaceNearNotificationArea(Handle());
    ProcessPendingMessages();
    if (updateCheck_.Label().Tag() == 0) {
        CheckUpdate();
    }
}

void MainWindow::CheckUpdate() {
    updateCheck_.CheckUpdate();
}

void MainWindow::LabelDownloadLinkClick(const std::wstring& link) {
    updateCheck_.LabelDownloadLinkClick(link);
}

void MainWindow::OnHideAboutCommand() {
    ::ShowWindow(Handle(), SW_HIDE);
}

void MainWindow::OnCloseCommand() {
    exitRequested_ = true;
    // The tray menu's own loop would take the WM_QUIT and go on: it closes first.
    ::EndMenu();
    ::KillTimer(Handle(), kSamplingTimer);
    tray_.SetVisible(false);
    ProcessPendingMessages();
    ::PostQuitMessage(0);
}

bool MainWindow::FormCloseQuery() {
    history_.Save();
    SaveOptions();
    return true;
}

void MainWindow::OnLaunchTaskManagerCommand() {
    ::ShellExecuteW(Handle(), L"Open", L"taskmgr.exe", L"", L"", SW_SHOW);
}

void MainWindow::OnShowLogCommand() {
    ShowHighMemoryLog(Handle(), MemOptions.LogFile, MemOptions.RedPercent);
}

void MainWindow::OnMemoryHistoryCommand() {
    if (!historyWindow_) {
        HistoryWindowHost host;
        host.Recorder = &history_;
        host.Options = &MemOptions;
        host.Extensions = &Extensions;
        host.Separators = [this]() -> const NumberSeparators& { return Separators(); };
        host.TotalPhys = [this] { return TakeSnapshot().TotalPhys; };
        host.ChooseExportFile = services_.ChooseExportFile;
        historyWindow_ = std::make_unique<HistoryWindow>(std::move(host));
    }
    historyWindow_->Show();
}

void MainWindow::TrimAllWorkingSets() {
    const std::uint64_t availBefore = TakeSnapshot().AvailPhys;
    WorkingSetTrimmer& trimmer = services_.Trimmer ? *services_.Trimmer : systemTrimmer_;
    if (trayMenu_) {
        win::TrimAllWorkingSets(trimmer, trayMenu_->Snapshot());  // the menu's buffer, reused
    } else {
        win::TrimAllWorkingSets(trimmer);
    }
    if (const auto report = history_.MarkTrim(availBefore, TakeSnapshot().AvailPhys)) {
        tray_.ShowBalloon(L"Orvane", *report, NIIF_INFO);
    }
}

void MainWindow::OnHotKeyPressed() {
    OnTrimCommand();
}

void MainWindow::OnDefragTimer() {
    if (MemOptions.DefragEveryActive) {
        TrimAllWorkingSets();
    }
}

void MainWindow::OnTrimCommand() {
    TrimAllWorkingSets();
}

void MainWindow::GetAppInfo(const TrayMenuItem& line) {
    // A copy: the menu may be rebuilt while the dialog is open.
    const MenuLine clicked = line;
    win::GetAppInfo(clicked, MemOptions.ShowPage, Handle());
}

void MainWindow::TrayDblClick() {
    DoubleClickActions actions;
    actions.LaunchTaskManager = [this] { OnLaunchTaskManagerCommand(); };
    actions.TrimMemory = [this] { OnTrimCommand(); };
    actions.ShowMemoryInfo = [this] {
        tray_.ShowBalloon(L"当前内存信息", MemoryInfoText, NIIF_INFO);
    };
    actions.ShowSettings = [this] { ShowSettings(false); };
    actions.LockWorkStation = [] { LockWorkStationIfAvailable(); };
    actions.ShowRunDialog = [this] { ShowWindowsRunDialog(L"Orvane", Handle(), appIcon_.get()); };
    actions.ShowShutdownDialog = [] { ShowShutdownDialog(); };
    actions.ShowDesktop = [] { ShowDesktop(); };
    RunDoubleClickAction(MemOptions.DoubleClickAction, actions);
}

void MainWindow::OnSettingsCommand() {
    ShowSettings(false);
}

void MainWindow::ShowSettings(bool bDirectToThemes) {
    if (options_) {
        options_->BringToFront();
        return;
    }
    if (!optionsHost_) {
        optionsHost_ = std::make_unique<MainOptionsHost>(*this);
    }
    options_ = std::make_unique<OptionsDialog>(*optionsHost_);
    {
        ScopeExit gone([this] { options_.reset(); });
        if (options_->Create(Handle(), bDirectToThemes)) {
            options_->ShowModal();
        }
    }
    // However it closed: saved, and the timers follow the settings. A failed save is reported
    // after the settings have been applied.
    std::exception_ptr saveError;
    try {
        SaveOptions();
    } catch (...) {
        saveError = std::current_exception();
    }
    InitSettings();
    if (saveError) {
        std::rethrow_exception(saveError);
    }
}

void MainWindow::FormDestroy() {
    if (trayMenu_) {
        trayMenu_->FreeIconsFromMenu();
    }
    if (Handle()) {
        history_.Save();
        ::KillTimer(Handle(), kSamplingTimer);
        ::KillTimer(Handle(), kDefragTimer);
    }
    tray_.SetVisible(false);
    sessionNotification_.Unregister();
    DestroyOwnWindow();
}

void MainWindow::ShowTrayMenu(int x, int y) {
    trayMenu_->Popup(POINT{x, y});
    if (exitRequested_) {
        ::PostQuitMessage(0);  // again, in case the menu's loop took the first one
    }
}

// Another copy's command: a number from a closed set, nothing else. Answered only while this
// copy stays; the work is posted so that the sender never waits for a trim or a dialog.
LRESULT MainWindow::OnRunningCopyCommand(WPARAM wp, LPARAM lp) {
    const auto command = RunningCopyCommandFromNumber(wp);
    if (!command || lp != 0 || exitRequested_) {
        return 0;
    }
    switch (*command) {
        case RunningCopyCommand::ShowRunning:
            ::PostMessageW(Handle(), WM_RUNNINGCOPY, 0, 0);
            break;
        case RunningCopyCommand::Trim:
            ::PostMessageW(Handle(), WM_COMMAND, kCmdMemoryDefragmenter, 0);
            break;
        case RunningCopyCommand::Exit:
            ::PostMessageW(Handle(), WM_COMMAND, kCmdClose, 0);
            break;
        case RunningCopyCommand::Options:
            ::PostMessageW(Handle(), WM_COMMAND, kCmdSettings, 0);
            break;
        case RunningCopyCommand::StillRunning:
            // An exit already queued is carried out first, so that the answer is the truth.
            ProcessPendingMessages();
            return exitRequested_ ? 0 : kCommandAccepted;
    }
    return kCommandAccepted;
}

LRESULT MainWindow::OnTrayNotify(WPARAM wp, LPARAM lp) {
    switch (LOWORD(lp)) {
        case WM_CONTEXTMENU:
            ShowTrayMenu(GET_X_LPARAM(wp), GET_Y_LPARAM(wp));
            break;
        case WM_LBUTTONDBLCLK:
            TrayDblClick();
            break;
        default:
            break;
    }
    return 0;
}

LRESULT MainWindow::OnCommand(WPARAM wp, LPARAM) {
    switch (LOWORD(wp)) {
        case IDOK:
        case IDCANCEL:
            OnHideAboutCommand();
            break;
        case kCmdLaunchTaskManager:
            OnLaunchTaskManagerCommand();
            break;
        case kCmdMemoryDefragmenter:
            OnTrimCommand();
            break;
        case kCmdShowLog:
            OnShowLogCommand();
            break;
        case kCmdMemoryHistory:
            OnMemoryHistoryCommand();
            break;
        case kCmdSettings:
            OnSettingsCommand();
            break;
        case kCmdAbout:
            OnAboutCommand();
            break;
        case kCmdClose:
            OnCloseCommand();
            break;
        default:
            if (const TrayMenuItem* line = trayMenu_->ProcessLine(LOWORD(wp))) {
                GetAppInfo(*line);
            }
            break;
    }
    return 0;
}

LRESULT MainWindow::OnTimer(WPARAM wp) {
    if (wp == kSamplingTimer) {
        OnSampleTimer();
    } else if (wp == kDefragTimer) {
        OnDefragTimer();
    }
    return 0;
}

LRESULT MainWindow::OnNotify(const NMHDR& header) {
    if (header.hwndFrom == updateCheck_.LabelDownload() &&
        (header.code == NM_CLICK || header.code == NM_RETURN)) {
        LabelDownloadLinkClick(reinterpret_cast<const NMLINK&>(header).item.szUrl);
    }
    return 0;
}

// The about window keeps its layout on a monitor of another DPI, where the system suggests.
void MainWindow::OnDpiChanged(int dpi, const RECT& suggested) {
    if (about_.VersionLabel()) {
        about_.Layout(dpi);
    }
    ::SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT MainWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_APPLOADED:
            RunEventHandler([this] { AppLoaded(); });
            return 0;
        case WM_RUNNINGCOPY:
            ShowRunningCopyBalloon();
            return 0;
        case TrayIcon::kCallbackMessage:
            RunEventHandler([&] { OnTrayNotify(wp, lp); });
            return 0;
        case WM_COMMAND:
            RunEventHandler([&] { OnCommand(wp, lp); });
            return 0;
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
            RunEventHandler([&] { OnTimer(wp); });
            return 0;
        case WM_WTSSESSION_CHANGE:
            RunEventHandler([&] {
                OnSessionChange(Handle(), wp, MemOptions.SwitchOffMonitorOnLock, services_.Pause);
            });
            return 0;
        case WM_CLOSE:
            ::ShowWindow(Handle(), SW_HIDE);  // closing the about window keeps the program running
            return 0;
        case WM_QUERYENDSESSION: {
            // The session ends either way; a settings file that cannot be written is reported.
            bool mayClose = true;
            RunEventHandler([&] { mayClose = FormCloseQuery(); });
            return mayClose ? TRUE : FALSE;
        }
        case WM_NOTIFY:
            RunEventHandler([&] { OnNotify(*reinterpret_cast<const NMHDR*>(lp)); });
            return 0;
        case WM_CTLCOLORSTATIC:
            if (const HBRUSH brush = updateCheck_.LabelColor(reinterpret_cast<HWND>(lp),
                                                             reinterpret_cast<HDC>(wp))) {
                return reinterpret_cast<LRESULT>(brush);
            }
            break;
        case WM_DPICHANGED:
            OnDpiChanged(LOWORD(wp), *reinterpret_cast<const RECT*>(lp));
            [[fallthrough]];
        case WM_SETTINGCHANGE: {
            const LRESULT result = Window::HandleMessage(msg, wp, lp);
            InitVisualSettings();
            return result;
        }
        default:
            break;
    }
    if (msg == RunningCopyMessage()) {
        return OnRunningCopyCommand(wp, lp);
    }
    if (tray_.IsTaskbarCreated(msg)) {
        tray_.OnTaskbarCreated();
        return 0;
    }
    return Window::HandleMessage(msg, wp, lp);
}

}  // namespace orvane::win
