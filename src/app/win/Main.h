#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/win/AboutControls.h"
#include "app/win/TrayIcon.h"
#include "app/win/TrayShell.h"
#include "common/win/Handles.h"
#include "common/win/Window.h"
#include "display/win/MenuBackground.h"
#include "display/win/TrayIconPainter.h"
#include "history/core/ExtensionOptions.h"
#include "history/win/HistoryRecorder.h"
#include "history/win/HistoryWindow.h"
#include "hotkeys/win/HotKeyManager.h"
#include "monitor/core/HighMemoryCheck.h"
#include "monitor/core/MemorySnapshot.h"
#include "options/win/OptionsHost.h"
#include "options/win/OptionsDialog.h"
#include "processes/win/TrayMenu.h"
#include "processes/win/WorkingSetTrimmer.h"
#include "session/win/SessionLock.h"
#include "settings/win/DataPaths.h"
#include "settings/win/SettingsFile.h"
#include "update/win/AboutUpdateCheck.h"
#include "settings/core/OrvaneOptions.h"
#include "common/core/LocaleFormat.h"

namespace orvane::win {

// Outside influences the main form works with; the program uses the real ones, tests may
// replace them.
struct MainServices {
    std::function<std::uint32_t()> TickCount = [] {
        return static_cast<std::uint32_t>(::GetTickCount());
    };
    std::function<MemorySnapshot()> ReadMemory;  // empty: GlobalMemoryStatusEx
    WorkingSetTrimmer* Trimmer = nullptr;        // null: the system's calls
    PauseFunction Pause;                         // empty: Sleep
    TrayShell* Tray = nullptr;                   // null: Shell_NotifyIconW
    std::wstring ExeFolder;  // empty: the executable's folder, where portable settings lie
    HistoryClock* HistoryClocks = nullptr;         // null: the system's clocks
    HistoryRecorder::TakeProcesses TakeProcesses;  // empty: the one-call process snapshot
    // Where the history window exports to; empty: the save dialog.
    std::function<std::optional<std::wstring>(HWND)> ChooseExportFile;
};

// The hidden main form: the about window, owner of the tray icon, the timers and the tray menu,
// and home of the program's event handlers.
class MainWindow : public Window {
  public:
    static constexpr const wchar_t* kClassName = L"TFrmOrvaneMain";
    static constexpr UINT WM_APPLOADED = WM_USER + 42;
    static constexpr UINT WM_RUNNINGCOPY = WM_USER + 45;

    explicit MainWindow(MainServices services = {});
    ~MainWindow() override;

    // Creates the hidden form and runs the start-up sequence; false when no window could be made.
    bool FormCreate();
    // The options dialog opens once start-up has finished.
    void OpenOptionsWhenLoaded();
    // Set by the exit command: the message loop ends even if a nested loop took its WM_QUIT.
    bool ExitRequested() const { return exitRequested_; }

    // Event handlers, public so the message handlers and tests can reach them.
    void OnSampleTimer();
    void AppLoaded();
    void OnAboutCommand();
    void OnHideAboutCommand();
    void OnCloseCommand();
    bool FormCloseQuery();
    void OnLaunchTaskManagerCommand();
    void OnShowLogCommand();
    // The history window, made when first asked for; one at a time.
    void OnMemoryHistoryCommand();
    HistoryWindow* MemoryHistoryWindow() { return historyWindow_.get(); }
    void OnTrimCommand();
    void OnHotKeyPressed();
    // Registers the refresh hotkey the options name, in place of the one before.
    void UpdateShortCut();
    void OnDefragTimer();
    // The memory defragmenter: every reachable process's working set emptied.
    void TrimAllWorkingSets();
    void GetAppInfo(const TrayMenuItem& line);
    void TrayDblClick();
    // The options dialog, modal; a second call while it is open brings it to the front.
    void ShowSettings(bool bDirectToThemes);
    void OnSettingsCommand();
    // The about window's update check (its result handlers live with the check).
    void CheckUpdate();
    void LabelDownloadLinkClick(const std::wstring& link);

    OrvaneOptions MemOptions;
    ExtensionOptions Extensions;  // the additions' settings, kept in "Extensions"
    std::wstring IniFileName;
    int IconSize = 16;
    HighMemoryCheck HighMemory;  // LastMemPerc and the five-minute guard
    bool WarningDialogOpen = false;
    std::wstring LastDrawText;
    std::wstring MemoryInfoText;
    std::uint64_t DisplayedTotal = 0;

    TrayIcon& Tray() { return tray_; }
    // One set of number separators for the icon, the summary, the menu and the log.
    const NumberSeparators& Separators() const { return painter_.Separators(); }
    HotKeyManager& HotKeys() { return hotKeys_; }
    HistoryRecorder& History() { return history_; }

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    // Start-up pieces.
    void BuildTrayMenu();
    void SetVersionLabel();
    void CreateAboutControls();
    std::wstring GetIniFile();
    void LoadOptions();
    void SaveOptions();
    friend class MainOptionsHost;
    void InitSettings();
    void SetSamplingTimer(int milliseconds);
    void InitVisualSettings();
    void InitDefaultMenu();
    void ShowRunningCopyBalloon();
    void ShowWelcomeScreen();
    void FormShow();
    void FormDestroy();

    // Message handlers.
    LRESULT OnTrayNotify(WPARAM wp, LPARAM lp);
    LRESULT OnCommand(WPARAM wp, LPARAM lp);
    LRESULT OnTimer(WPARAM wp);
    LRESULT OnNotify(const NMHDR& header);
    void OnDpiChanged(int dpi, const RECT& suggested);
    void ShowTrayMenu(int x, int y);
    LRESULT OnRunningCopyCommand(WPARAM wp, LPARAM lp);

    MemorySnapshot TakeSnapshot() const;
    void RunHighMemoryStep(const MemorySnapshot& tms);

    MainServices services_;
    TrayIcon tray_;
    HotKeyManager hotKeys_;
    SystemWorkingSetTrimmer systemTrimmer_;
    std::unique_ptr<TrayMenuHost> menuHost_;
    std::unique_ptr<TrayMenu> trayMenu_;
    UniqueIcon appIcon_;
    UniqueIcon appIconSmall_;
    UniqueIcon trayPicture_;
    TrayIconPainter painter_;
    MenuBackground menuBackground_;
    std::wstring versionText_ = L"版本      ";
    AboutControls about_;
    AboutUpdateCheck updateCheck_;
    DataPaths paths_;
    std::optional<SettingsFile> settingsFile_;
    SessionNotification sessionNotification_;
    bool appLoaded_ = false;
    bool exitRequested_ = false;
    std::unique_ptr<OptionsHost> optionsHost_;
    std::unique_ptr<OptionsDialog> options_;
    HistoryRecorder history_;
    std::unique_ptr<HistoryWindow> historyWindow_;
};

}  // namespace orvane::win
