#pragma once

#include <windows.h>

#include <string>

#include "settings/core/OrvaneOptions.h"
#include "settings/win/DataPaths.h"

namespace orvane::win {

// What the options dialog needs of the main form: the live settings and the steps that bring
// the running program up to date with them.
class OptionsHost {
  public:
    virtual ~OptionsHost() = default;

    virtual OrvaneOptions& Options() = 0;
    // The window whose monitor decides whether the built-in digits can be used.
    virtual HWND MainWindowHandle() const = 0;
    // Where the colour picker keeps its custom colours; empty: only for this opening.
    virtual std::wstring SettingsFile() const = 0;
    // Where the theme files live.
    virtual const DataPaths& Paths() const = 0;

    virtual void SaveOptions() = 0;
    virtual void ShowLogCommand(bool visible) = 0;
    // Takes the tray menu's items with this tag out (process or memory lines).
    virtual void RemoveTrayItems(int tag) = 0;
    virtual void SetSamplingInterval(int milliseconds) = 0;
    // Forgets the last icon text and runs one sampling tick.
    virtual void RedrawIcon() = 0;
    virtual void UpdateShortCut() = 0;
    virtual void InitDefaultMenu() = 0;
};

}  // namespace orvane::win
