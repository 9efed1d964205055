#pragma once

// The main form under test: its own settings file (portable, beside a stand-in executable
// folder), a memory reading the test sets, and a tray shell that records every call and fails
// the calls it is told to.

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/win/Main.h"
#include "settings_test_folder.h"

namespace orvane::test {

using win::MainWindow;
using win::TrayShell;

class RecordingTrayShell final : public TrayShell {
  public:
    static constexpr DWORD kAnyMessage = ~DWORD{0};

    struct Call {
        DWORD message;
        UINT flags;
        HICON icon;
        UINT callbackMessage;
        UINT version;
        std::wstring tip;
        bool succeeded;
        std::wstring infoTitle;
        std::wstring info;
        DWORD infoFlags;
    };

    bool NotifyIcon(DWORD message, NOTIFYICONDATAW& d) override {
        bool ok = true;
        if (failures_ > 0 && (failOnly_ == kAnyMessage || failOnly_ == message)) {
            --failures_;
            ok = false;
        }
        calls.push_back({message, d.uFlags, d.hIcon, d.uCallbackMessage, d.uVersion, d.szTip, ok,
                         d.szInfoTitle, d.szInfo, d.dwInfoFlags});
        return ok;
    }
    void AllowMessage(HWND owner, UINT message) override { allowed.push_back({owner, message}); }

    // The next `n` calls (of `message` only, if given) fail.
    void FailNext(int n, DWORD message = kAnyMessage) {
        failures_ = n;
        failOnly_ = message;
    }
    // The picture of the last call that carried one and succeeded.
    HICON ShownIcon() const {
        for (auto it = calls.rbegin(); it != calls.rend(); ++it) {
            if (it->succeeded && (it->flags & NIF_ICON)) {
                return it->icon;
            }
        }
        return nullptr;
    }

    std::vector<Call> calls;
    std::vector<std::pair<HWND, UINT>> allowed;

  private:
    int failures_ = 0;
    DWORD failOnly_ = kAnyMessage;
};

class FormTest : public ::testing::Test {
  protected:
    // Creates the form with `settings` (INI text, "[General]" keys) as its settings file. The
    // sampling timer is off unless the settings set a refresh rate; ticks come from Tick().
    void Start(const std::string& settings = "ShowWelcomeWindow=0\r\nRefreshRate=0\r\n") {
        std::ofstream(std::filesystem::path(folder.Path() + L"Orvane.Settings"), std::ios::binary)
            << "[General]\r\nShowPercentage=1\r\n"
            << settings;
        win::MainServices services;
        services.Tray = otherShell ? otherShell : &shell;
        if (tickCount) {
            services.TickCount = tickCount;
        }
        services.ExeFolder = folder.Path();
        services.ReadMemory = [this] {
            ++reads;
            return MemorySnapshot{load.load(), 8ull << 30, 4ull << 30, 16ull << 30, 8ull << 30};
        };
        form = std::make_unique<MainWindow>(services);
        ASSERT_TRUE(form->FormCreate());
    }
    // One turn of the message loop: start-up's posted message runs here.
    void FinishStartUp() { win::ProcessPendingMessages(); }
    void Tick() { ::SendMessageW(form->Handle(), WM_TIMER, 1, 0); }

    void TearDown() override {
        form.reset();
        MSG m;
        ::PeekMessageW(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);  // left by an exit
    }

    // Set before Start(): a tray shell instead of the recording one; a clock of the test.
    TrayShell* otherShell = nullptr;
    std::function<std::uint32_t()> tickCount;

    win::SettingsTestFolder folder;
    RecordingTrayShell shell;
    std::atomic<std::uint32_t> load{40};
    std::atomic<int> reads{0};
    std::unique_ptr<MainWindow> form;
};

}  // namespace orvane::test
