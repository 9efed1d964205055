#include "monitor/win/HighMemoryLog.h"

#include <shellapi.h>

#include <string>

#include "common/core/AppError.h"
#include "common/win/FileChecks.h"
#include "common/win/Handles.h"
#include "monitor/core/HighMemoryLog.h"

namespace orvane::win {

namespace {

constexpr std::size_t kMaxPathChars = 259;

[[noreturn]] void ThrowInOutError(unsigned long code) {
    throw AppError(InOutErrorMessage(code));
}

std::string ToAnsi(const std::wstring& text) {
    if (text.empty()) {
        return {};
    }
    const int n = ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                        nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    if (n > 0) {
        ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(), n,
                              nullptr, nullptr);
    }
    return out;
}

std::wstring LocaleText(int (*format)(LCID, DWORD, const SYSTEMTIME*, LPCWSTR, LPWSTR, int),
                        DWORD flags, const SYSTEMTIME& now) {
    wchar_t buf[128] = {};
    const int n = format(LOCALE_USER_DEFAULT, flags, &now, nullptr, buf, 128);
    return n > 0 ? std::wstring(buf) : std::wstring();
}

}  // namespace

void AppendLogLine(const std::wstring& path, const std::wstring& line) {
    if (path.empty() || path.size() > kMaxPathChars) {
        ThrowInOutError(ERROR_PATH_NOT_FOUND);
    }
    const std::string bytes = ToAnsi(line + L"\r\n");
    UniqueKernelHandle file;
    {
        // An empty removable drive must not bring up a system prompt.
        const UINT oldMode = ::SetErrorMode(SEM_FAILCRITICALERRORS);
        file.reset(::CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                 OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        const DWORD error = ::GetLastError();
        ::SetErrorMode(oldMode);
        if (!file) {
            ThrowInOutError(error);
        }
    }
    DWORD written = 0;
    if (!::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                     nullptr)) {
        ThrowInOutError(::GetLastError());
    }
    if (written != bytes.size()) {
        ThrowInOutError(ERROR_DISK_FULL);
    }
}

void AppendHighMemoryLog(const std::wstring& path, const MemorySnapshot& snapshot,
                         const NumberSeparators& separators) {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    const std::wstring date = LocaleText(::GetDateFormatW, DATE_SHORTDATE, now);
    const std::wstring time = LocaleText(::GetTimeFormatW, 0, now);
    AppendLogLine(path, HighMemoryLogLine(date, time, snapshot, separators));
}

void ShowHighMemoryLog(HWND owner, const std::wstring& logFile, int redPercent) {
    if (FileExists(logFile)) {
        ::ShellExecuteW(owner, L"Open", logFile.c_str(), L"", L"", SW_SHOW);
        return;
    }
    NoHighMemoryLogBox(redPercent, logFile).Execute();
}

}  // namespace orvane::win
