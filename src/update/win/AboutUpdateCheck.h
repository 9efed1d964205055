#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "update/core/UpdateLabel.h"
#include "update/win/UpdateChecker.h"

namespace orvane::win {

inline constexpr wchar_t kVersionFileUrl[] = L"https://www.velmoria.com/ver/curr_ver.txt";
inline constexpr wchar_t kDownloadPageUrl[] = L"https://www.velmoria.com/orvane/download";

// The about window's update check: the checker `GetUpdate` as the program sets it up (no
// message boxes of its own) and the link label `LabelDownload` that shows its state.
class AboutUpdateCheck {
  public:
    AboutUpdateCheck();

    // The link control that shows the label.
    void Attach(HWND labelDownload);

    void CheckUpdate();
    void LabelDownloadLinkClick(const std::wstring& link);
    void GetUpdateGetURL(const std::wstring& currentVersion);
    void GetUpdateDownloadFailed();

    const UpdateLabel& Label() const { return label_; }
    HWND LabelDownload() const { return link_; }
    // WM_CTLCOLORSTATIC from the label: the caption of a running check is greyed.
    // Null for any other control.
    HBRUSH LabelColor(HWND control, HDC dc) const;

    UpdateChecker GetUpdate;
    // Where the version file is fetched from; tests point it at a local server.
    std::wstring VersionFileUrl = kVersionFileUrl;
    // Opens the download page of the "available" caption.
    std::function<void(const std::wstring& url)> OpenDownloadPage;

  private:
    void Show();

    UpdateLabel label_;
    HWND link_ = nullptr;
};

}  // namespace orvane::win
