#include "update/win/AboutUpdateCheck.h"

#include <shellapi.h>

#include "common/win/VersionResource.h"
#include "update/win/TempFiles.h"

namespace orvane::win {

AboutUpdateCheck::AboutUpdateCheck()
    : OpenDownloadPage([](const std::wstring& url) {
          ::ShellExecuteW(nullptr, L"Open", url.c_str(), nullptr, nullptr, SW_SHOW);
      }) {
    GetUpdate.FailureDlg = false;
    GetUpdate.DownloadDlg = false;
    GetUpdate.OnGetURL = [this](UpdateChecker&, const std::wstring& currentVersion,
                                const std::wstring&, const std::wstring&,
                                const std::wstring&) { GetUpdateGetURL(currentVersion); };
    GetUpdate.OnDownloadFailed = [this](UpdateChecker&) { GetUpdateDownloadFailed(); };
}

void AboutUpdateCheck::Attach(HWND labelDownload) {
    link_ = labelDownload;
    Show();
}

void AboutUpdateCheck::CheckUpdate() {
    label_.StartCheck();
    Show();
    GetUpdate.TempFile = UniqueTempFileName(GetTempFolder(), L"");
    if (GetUpdate.TempFile.empty()) {
        GetUpdateDownloadFailed();  // nowhere to download to
        return;
    }
    GetUpdate.URLCurrVerFile = VersionFileUrl;
    GetUpdate.Execute();
}

void AboutUpdateCheck::LabelDownloadLinkClick(const std::wstring& link) {
    if (link == kCheckUpdateLink) {
        CheckUpdate();
    } else if (OpenDownloadPage) {
        OpenDownloadPage(kDownloadPageUrl);
    }
}

void AboutUpdateCheck::GetUpdateGetURL(const std::wstring& currentVersion) {
    label_.Finish(JudgeVersions(currentVersion, GetFileVersionText(GetUpdate.ExeFile)));
    Show();
}

void AboutUpdateCheck::GetUpdateDownloadFailed() {
    label_.Finish({});
    Show();
}

HBRUSH AboutUpdateCheck::LabelColor(HWND control, HDC dc) const {
    if (control != link_ || !link_) {
        return nullptr;
    }
    ::SetTextColor(dc, ::GetSysColor(label_.Greyed() ? COLOR_BTNSHADOW : COLOR_BTNTEXT));
    ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
    return ::GetSysColorBrush(COLOR_BTNFACE);
}

void AboutUpdateCheck::Show() {
    if (!link_) {
        return;
    }
    ::SetWindowTextW(link_, label_.Caption().c_str());
    // Painted now: the check's first moments may keep the message loop busy.
    ::RedrawWindow(link_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

}  // namespace orvane::win
