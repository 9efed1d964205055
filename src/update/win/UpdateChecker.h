#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/win/Window.h"

namespace orvane::win {

class UpdateChecker;
struct DownloadJob;
struct HandOver;

using VersionFileHandler = std::function<void(
    UpdateChecker& Sender, const std::wstring& CurrentVersion, const std::wstring& DownloadURL,
    const std::wstring& ReleaseDate, const std::wstring& BetaVer)>;
using CheckerEventHandler = std::function<void(UpdateChecker& Sender)>;

// Checks the update server's version file for a newer version of the running program. The
// download runs on a worker of its own; everything else runs on the thread that owns the
// component, when that thread's message loop hands the worker's result over.
class UpdateChecker {
  public:
    UpdateChecker();
    // Results not yet handed over are dropped and their files deleted; a worker still
    // downloading finds the component gone and cleans up after itself.
    ~UpdateChecker();
    UpdateChecker(const UpdateChecker&) = delete;
    UpdateChecker& operator=(const UpdateChecker&) = delete;

    std::wstring URLCurrVerFile;
    std::wstring TempFile = L"c:\\curr_ver.tmp";  // written by the download, deleted after it
    bool FailureDlg = true;                       // the component's own failure message
    bool DownloadDlg = true;                      // the component's own download question
    std::wstring SiteName = L"www.velmoria.com";
    std::vector<std::wstring> Changes;  // history lines of the last version file read
    int Tag = 0;                        // not 0: no failure message either
    VersionFileHandler OnGetURL;
    CheckerEventHandler OnDownloadFailed;

    // The executable whose version resource gives the program's key and own version.
    std::wstring ExeFile;
    // Opens the download address after a yes to the download question.
    std::function<void(const std::wstring& url)> OpenURL;

    // Starts one check and returns at once. Checks are independent: each has its own file.
    void Execute();

  private:
    class Receiver;

    void Complete(std::unique_ptr<DownloadJob> job);
    void Failed(bool failureDlg);

    std::shared_ptr<HandOver> handOver_;
    std::unique_ptr<Receiver> receiver_;
};

}  // namespace orvane::win
