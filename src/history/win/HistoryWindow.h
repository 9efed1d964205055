#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "common/core/LocaleFormat.h"
#include "common/win/Handles.h"
#include "common/win/Window.h"
#include "history/core/ExtensionOptions.h"
#include "history/core/HistoryChart.h"
#include "history/win/HistoryChartPainter.h"
#include "history/win/HistoryRecorder.h"
#include "settings/core/OrvaneOptions.h"

namespace orvane::win {

// What the history window reads from the program, and the file dialog it asks for a place to
// export to (tests put in one that answers without a dialog).
struct HistoryWindowHost {
    const HistoryRecorder* Recorder = nullptr;
    const OrvaneOptions* Options = nullptr;
    ExtensionOptions* Extensions = nullptr;  // keeps the window's place
    std::function<const NumberSeparators&()> Separators;
    std::function<std::uint64_t()> TotalPhys;
    // The export file's path, or nullopt when the user cancelled. Empty: the save dialog.
    std::function<std::optional<std::wstring>(HWND owner)> ChooseExportFile;
};

// "内存历史": the load over 10 minutes, an hour or a day as an area chart, with the thresholds,
// the trims and high-memory steps, a hover line and the leak suspects. One at a time; it repaints
// at most once a tick while visible and is destroyed when closed.
class HistoryWindow : public Window {
  public:
    static constexpr const wchar_t* kClassName = L"OrvaneHistoryWindow";
    static constexpr int kSpanButtonId = 100;  // + the span
    static constexpr int kExportButtonId = 110;

    explicit HistoryWindow(HistoryWindowHost host);
    ~HistoryWindow() override;

    // Creates the window if needed and brings it to the front.
    bool Show();
    bool IsOpen() const { return Handle() != nullptr; }
    // A sampling tick: repaints when visible.
    void OnTick();

    void SetSpan(HistorySpan span);
    HistorySpan Span() const { return span_; }
    // The mouse at client x (nullopt: left the chart).
    void SetHover(std::optional<int> x);
    // Writes the shown span to the file the host chooses; false when nothing was written.
    bool Export();

    // The picture the next paint draws, and the layout it uses.
    ChartPicture Picture() const;
    ChartLayout Layout() const;
    ChartColors Colors() const;
    int Dpi() const { return dpi_; }

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    void CreateControls();
    void ApplyDpi(int dpi);
    void PlaceControls();
    void OnPaint();
    void RememberPlace();

    HistoryWindowHost host_;
    HistorySpan span_ = HistorySpan::OneHour;
    std::optional<int> hoverX_;
    int dpi_ = 96;
    int textHeight_ = 16;
    int loadLabelWidth_ = 32;
    int buttonWidth_ = 60;
    UniqueFont font_;
    HWND buttons_[kHistorySpanCount + 1] = {};
    bool tracking_ = false;
};

}  // namespace orvane::win
