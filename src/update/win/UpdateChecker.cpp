#include "update/win/UpdateChecker.h"

#include <shellapi.h>
#include <urlmon.h>
#include <wininet.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <optional>

#include "common/win/Handles.h"
#include "dialogs/core/MessageBoxBuilder.h"
#include "dialogs/win/MessageDialogs.h"
#include "common/win/VersionResource.h"
#include "settings/win/ProfileFile.h"
#include "update/core/VersionFile.h"
#include "update/core/VersionNumber.h"
#include "update/win/DownloadStatus.h"

namespace orvane::win {

// What the component and its workers share. The component clears `window` when it goes; a
// worker posts only under the lock, so a result is either queued for a live window or stays
// with the worker, which then cleans up.
struct HandOver {
    std::mutex lock;
    HWND window = nullptr;
    std::atomic<bool> closed{false};
    std::vector<std::wstring> downloading;  // files of checks whose worker still runs
};

// One check: the worker's own copies of everything it needs.
struct DownloadJob {
    std::wstring URI;
    std::wstring TempFile;
    bool FailureDlg = false;
    bool Failure = true;
    std::shared_ptr<HandOver> handOver;
};

namespace {

constexpr wchar_t kClassName[] = L"OrvaneUpdateChecker";
constexpr UINT WM_DOWNLOADDONE = WM_APP + 1;

using DeleteUrlCacheEntryFn = BOOL(WINAPI*)(LPCWSTR);
using UrlDownloadToFileFn = HRESULT(WINAPI*)(LPUNKNOWN, LPCWSTR, LPCWSTR, DWORD,
                                             LPBINDSTATUSCALLBACK);

// The download functions, from System32 only. The libraries stay loaded for the life of the
// process: their own threads may outlive a check, and a worker cut off at exit must not find
// them unloaded.
struct DownloadFunctions {
    DeleteUrlCacheEntryFn DeleteUrlCacheEntryW = nullptr;
    UrlDownloadToFileFn URLDownloadToFileW = nullptr;
};

HMODULE PinnedSystemLibrary(const wchar_t* name) {
    const UniqueModule loaded = LoadSystemLibrary(name);
    HMODULE pinned = nullptr;
    if (loaded) {
        ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_PIN, name, &pinned);
    }
    return pinned;
}

const DownloadFunctions& Downloads() {
    static const DownloadFunctions functions = [] {
        DownloadFunctions f;
        f.DeleteUrlCacheEntryW = GetProcAddressAs<DeleteUrlCacheEntryFn>(
            PinnedSystemLibrary(L"wininet.dll"), "DeleteUrlCacheEntryW");
        f.URLDownloadToFileW = GetProcAddressAs<UrlDownloadToFileFn>(
            PinnedSystemLibrary(L"urlmon.dll"), "URLDownloadToFileW");
        return f;
    }();
    return functions;
}

void Forget(std::vector<std::wstring>& files, const std::wstring& file) {
    const auto it = std::find(files.begin(), files.end(), file);
    if (it != files.end()) {
        files.erase(it);
    }
}

// Not every urlmon stops a download when the callback asks it to: the size is checked again.
bool FitsVersionFile(const std::wstring& file) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    return ::GetFileAttributesExW(file.c_str(), GetFileExInfoStandard, &data) &&
           data.nFileSizeHigh == 0 && data.nFileSizeLow <= DownloadStatus::kMaxBytes;
}

DWORD WINAPI TVInfoDownload(void* param) {
    std::unique_ptr<DownloadJob> job(static_cast<DownloadJob*>(param));
    const std::shared_ptr<HandOver> handOver = job->handOver;
    {
        const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        const DownloadFunctions& f = Downloads();
        if (f.DeleteUrlCacheEntryW) {
            f.DeleteUrlCacheEntryW(job->URI.c_str());  // no cached copy is served
        }
        DownloadStatus status(handOver->closed);
        job->Failure = !f.URLDownloadToFileW ||
                       f.URLDownloadToFileW(nullptr, job->URI.c_str(), job->TempFile.c_str(), 0,
                                            &status) != S_OK ||
                       status.ServerRefused() || !FitsVersionFile(job->TempFile);
        if (SUCCEEDED(com)) {
            ::CoUninitialize();
        }
    }
    {
        const std::lock_guard<std::mutex> guard(handOver->lock);
        Forget(handOver->downloading, job->TempFile);
        if (handOver->window && ::PostMessageW(handOver->window, WM_DOWNLOADDONE, 0,
                                               reinterpret_cast<LPARAM>(job.get()))) {
            job.release();  // the queued message owns it now
            return 0;
        }
    }
    ::DeleteFileW(job->TempFile.c_str());
    return 0;
}

std::wstring RunningExe() {
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            return std::wstring(path.data(), n);
        }
        path.resize(path.size() * 2);
    }
}

// The string values "FileVersion", "LegalCopyright", "ProductName" and "ProductVersion" of
// the first translation, in that order, those that exist.
std::vector<std::wstring> ReadVersionStrings(const std::wstring& exe) {
    const ExeVersionData data = ReadExeVersionData(exe);
    std::vector<std::wstring> strings;
    for (const std::wstring* value :
         {&data.FileVersion, &data.LegalCopyright, &data.ProductName, &data.ProductVersion}) {
        if (!value->empty()) {
            strings.push_back(*value);
        }
    }
    return strings;
}

VersionFileValues ReadVersionFile(const std::wstring& file, const std::wstring& key) {
    const ProfileFile ini(file);
    VersionFileValues v;
    v.CurrentVersion = ini.ReadString(kSectionCurrentVersions, key, L"");
    v.DownloadURL = ini.ReadString(kSectionDownloadUrl, key, L"");
    v.ReleaseDate = ini.ReadString(kSectionDateReleased, L"Date", L"");
    v.BetaVer = ini.ReadString(kSectionBetaVersions, key, L"");
    for (int line = 1; line <= kMaxHistoryLines; ++line) {
        std::wstring text = ini.ReadString(kSectionCurrentHistory, std::to_wstring(line), L"");
        if (text.empty()) {
            break;
        }
        v.Changes.push_back(std::move(text));
    }
    return v;
}

}  // namespace

// The component's message-only window, where workers hand their results over.
class UpdateChecker::Receiver final : public Window {
  public:
    explicit Receiver(UpdateChecker& owner) : owner_(owner) {
        RegisterClassOnce(kClassName, nullptr, nullptr);
        CreateWindowFor(kClassName, L"", 0, 0, 0, 0, 0, 0, HWND_MESSAGE);
    }
    ~Receiver() override { DestroyOwnWindow(); }

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
        if (msg == WM_DOWNLOADDONE) {
            owner_.Complete(std::unique_ptr<DownloadJob>(reinterpret_cast<DownloadJob*>(lp)));
            return 0;
        }
        return Window::HandleMessage(msg, wp, lp);
    }

  private:
    UpdateChecker& owner_;
};

UpdateChecker::UpdateChecker()
    : ExeFile(RunningExe()),
      OpenURL([](const std::wstring& url) {
          ::ShellExecuteW(nullptr, L"open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
      }),
      handOver_(std::make_shared<HandOver>()),
      receiver_(std::make_unique<Receiver>(*this)) {
    handOver_->window = receiver_->Handle();
}

UpdateChecker::~UpdateChecker() {
    std::vector<std::wstring> downloading;
    {
        const std::lock_guard<std::mutex> guard(handOver_->lock);
        handOver_->window = nullptr;
        handOver_->closed = true;  // a running download stops at its next progress report
        downloading.swap(handOver_->downloading);
    }
    // From here no result can arrive: drop those already queued.
    MSG m;
    while (receiver_->Handle() &&
           ::PeekMessageW(&m, receiver_->Handle(), WM_DOWNLOADDONE, WM_DOWNLOADDONE, PM_REMOVE)) {
        if (m.message != WM_DOWNLOADDONE) {  // a waiting WM_QUIT passes any filter: keep it
            ::PostQuitMessage(static_cast<int>(m.wParam));
            break;
        }
        const std::unique_ptr<DownloadJob> job(reinterpret_cast<DownloadJob*>(m.lParam));
        ::DeleteFileW(job->TempFile.c_str());
    }
    // The program may end before a blocked download returns: its file goes now if it can.
    for (const auto& file : downloading) {
        ::DeleteFileW(file.c_str());
    }
}

void UpdateChecker::Execute() {
    auto job = std::make_unique<DownloadJob>();
    job->URI = URLCurrVerFile;
    job->TempFile = TempFile;
    job->FailureDlg = FailureDlg && Tag == 0;
    job->handOver = handOver_;
    {
        const std::lock_guard<std::mutex> guard(handOver_->lock);
        handOver_->downloading.push_back(TempFile);
    }
    const HANDLE thread =
        ::CreateThread(nullptr, 0, TVInfoDownload, job.get(), CREATE_SUSPENDED, nullptr);
    if (!thread) {
        {
            const std::lock_guard<std::mutex> guard(handOver_->lock);
            Forget(handOver_->downloading, TempFile);
        }
        Complete(std::move(job));  // a check that cannot start is a failed one
        return;
    }
    job.release();  // the worker owns it now and ends by itself
    ::SetThreadPriority(thread, THREAD_PRIORITY_HIGHEST);
    ::ResumeThread(thread);
    ::CloseHandle(thread);
}

void UpdateChecker::Complete(std::unique_ptr<DownloadJob> job) {
    std::optional<VersionFileValues> values;
    std::wstring ownVersion;
    {
        const ScopeExit removeFile([&] { ::DeleteFileW(job->TempFile.c_str()); });
        const std::vector<std::wstring> strings = ReadVersionStrings(ExeFile);
        if (!job->Failure && !strings.empty()) {
            ownVersion = strings.front();
            values = ReadVersionFile(job->TempFile, ProgramKeyFromPath(ExeFile));
            Changes = values->Changes;
        }
    }
    // An error page, a foreign file or one without a readable entry for this program is no
    // answer: the check failed.
    if (!values || !ParseVersion(values->CurrentVersion)) {
        Failed(job->FailureDlg);
        return;
    }
    if (OnGetURL) {
        OnGetURL(*this, values->CurrentVersion, values->DownloadURL, values->ReleaseDate,
                 values->BetaVer);
    }
    if (IsNewerVersion(values->CurrentVersion, ownVersion) && DownloadDlg) {
        const int answer = NewMsgBox()
                               .Text(DownloadQuestionText(values->CurrentVersion, SiteName))
                               .Question()
                               .YesNo()
                               .Execute();
        if (answer == kIdYes && IsWebAddress(values->DownloadURL) && OpenURL) {
            OpenURL(values->DownloadURL);
        }
    }
}

void UpdateChecker::Failed(bool failureDlg) {
    if (failureDlg) {
        NewMsgBox()
            .Text(L"无法从 Velmoria 软件网站下载文件版本信息.\r\n 请检查您的网络连接")
            .Warning()
            .OK()
            .Execute();
    } else if (OnDownloadFailed) {
        OnDownloadFailed(*this);
    }
}

}  // namespace orvane::win
