#pragma once

#include <windows.h>

#include "common/win/Handles.h"

namespace orvane::win {

// The controls of the about window: icon, name, version line, rights line, the update link
// and "确定(&O)", in the message font of the window's monitor, sized to their measured texts.
class AboutControls {
  public:
    // Creates the controls on `form`.
    void Create(HWND form);
    // Lays the controls out for `dpi` and sizes the form to fit them.
    void Layout(int dpi);

    HWND VersionLabel() const { return version_; }
    HWND DownloadLink() const { return download_; }
    HFONT Font() const { return font_.get(); }

  private:
    HWND form_ = nullptr;
    HWND icon_ = nullptr;
    HWND name_ = nullptr;
    HWND version_ = nullptr;
    HWND rights_ = nullptr;
    HWND download_ = nullptr;
    HWND button_ = nullptr;
    UniqueFont font_;
    UniqueIcon iconPicture_;
};

}  // namespace orvane::win
