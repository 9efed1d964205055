#pragma once

#include <windows.h>

#include <string>

#include "options/core/PendingColors.h"
#include "options/core/ThemeColors.h"
#include "settings/win/DataPaths.h"

namespace orvane::win {

// What the themes tab needs of the options dialog that hosts it.
class ThemesTabHost {
  public:
    virtual ~ThemesTabHost() = default;
    // The colour list's pending value texts.
    virtual PendingColorTexts& Pending() = 0;
    // The colours as they were when the dialog opened.
    virtual const ThemeColors& CurrentColors() const = 0;
    // The transparent-background box; setting it runs its click handler as a user's click would.
    virtual bool Transparent() const = 0;
    virtual void SetTransparent(bool checked) = 0;
    // The opaque-bar box.
    virtual bool FullBar() const = 0;
    virtual void SetFullBar(bool checked) = 0;
    // Shows the selected colour entry's pending value in the editors.
    virtual void LbColorsClick() = 0;
};

// The theme list of the options dialog on controls the dialog creates: the drop-down list
// `cbThemes` ("默认颜色", "当前颜色", then one entry per theme file), the delete button and the
// dialog as the owner of the questions. Themes change only the pending values; OK or Apply
// stores them.
class ThemesTab {
  public:
    ThemesTab(ThemesTabHost& host, const DataPaths& paths, HWND owner, HWND cbThemes,
              HWND btnDeleteTheme);

    // Fills the list anew; selects nothing.
    void LoadThemes();
    // Applies the selected entry to the pending values, then LbColorsClick.
    void CbThemesClick();
    // Asks for a name and saves the pending values as that theme. Throws AppError "Unable to
    // write to <path>" when the file cannot be written; the list then stays as it was.
    void BtnSaveAsClick();
    // Deletes the selected theme file after asking. Throws AppError "Unable to delete <path>"
    // when the file stays; the list then stays as it was.
    void BtnDeleteThemeClick();

  private:
    std::wstring EntryText(int entry) const;
    int SelectedEntry() const;
    void SelectEntry(int entry);
    bool Ask(const std::wstring& question) const;

    ThemesTabHost& host_;
    const DataPaths& paths_;
    HWND owner_;
    HWND cbThemes_;
    HWND btnDeleteTheme_;
};

}  // namespace orvane::win
