#include "processes/win/ProcessList.h"

#include <shellapi.h>
#include <tlhelp32.h>

#include <vector>

#include "processes/win/ProcessCreationTime.h"
#include "processes/win/Psapi.h"

namespace orvane::win {

std::wstring ProcessImagePath(HANDLE process) {
    const auto getPath = Psapi().getModuleFileName;
    if (!process || !getPath) {
        return {};
    }
    wchar_t path[MAX_PATH + 1] = {};
    const DWORD n = getPath(process, nullptr, path, MAX_PATH);
    if (n == 0) {
        return {};
    }
    return std::wstring(path);  // up to the first NUL
}

std::wstring ProcessImagePath(DWORD processId) {
    const UniqueProcessHandle process(
        ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
    return ProcessImagePath(process.get());
}

bool ProcessAccount(DWORD processId, std::wstring& userName, std::wstring& domain) {
    userName.clear();
    domain.clear();
    UniqueProcessHandle process(::OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, processId));
    if (!process) {
        return false;
    }
    HANDLE rawToken = nullptr;
    if (!::OpenProcessToken(process.get(), TOKEN_QUERY, &rawToken)) {
        return false;
    }
    UniqueProcessHandle token(rawToken);
    std::vector<BYTE> buffer;
    DWORD needed = 0;
    BOOL ok = ::GetTokenInformation(token.get(), TokenUser, nullptr, 0, &needed);
    while (!ok && ::GetLastError() == ERROR_INSUFFICIENT_BUFFER) {
        buffer.resize(needed);
        ok = ::GetTokenInformation(token.get(), TokenUser, buffer.data(),
                                   static_cast<DWORD>(buffer.size()), &needed);
    }
    token.reset();
    if (!ok || buffer.size() < sizeof(TOKEN_USER)) {
        return false;
    }
    PSID sid = reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid;
    DWORD nameLen = 0;
    DWORD domainLen = 0;
    SID_NAME_USE use;
    ::LookupAccountSidW(nullptr, sid, nullptr, &nameLen, nullptr, &domainLen, &use);
    if (nameLen == 0 || domainLen == 0) {
        return false;
    }
    std::wstring name(nameLen, L'\0');
    std::wstring dom(domainLen, L'\0');
    if (!::LookupAccountSidW(nullptr, sid, name.data(), &nameLen, dom.data(), &domainLen, &use)) {
        return false;
    }
    userName = name.c_str();
    domain = dom.c_str();
    return true;
}

namespace {

constexpr DWORD kQueryLimitedInformation = 0x1000;

// The memory figure from an open handle; 0 when the counters cannot be read. Unreadable
// counters count as unknown, like a process that cannot be opened: one odd process must not
// take the whole list (and the menu and trim with it) down.
std::int64_t MemoryFigure(HANDLE process, bool bPageFile) {
    const auto getInfo = Psapi().getProcessMemoryInfo;
    if (!getInfo) {
        return 0;
    }
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    if (!getInfo(process, &counters, sizeof(counters))) {
        return 0;
    }
    return static_cast<std::int64_t>(bPageFile ? counters.PagefileUsage : counters.WorkingSetSize);
}

// Path and memory figure of one process through a single limited-access handle; the image
// name query needs no read access to the process's memory, which keeps a scan cheap.
void ReadImageAndMemory(DWORD processId, bool bPageFile, ProcessRecord& rec) {
    UniqueProcessHandle process(::OpenProcess(kQueryLimitedInformation, FALSE, processId));
    if (!process) {
        return;
    }
    rec.MemoryUsage = MemoryFigure(process.get(), bPageFile);
    rec.CreationTime = ProcessCreationTime(process.get());
    wchar_t path[MAX_PATH + 1] = {};
    DWORD len = MAX_PATH;
    if (::QueryFullProcessImageNameW(process.get(), 0, path, &len) && len > 0) {
        rec.ExeName = path;
    } else {
        rec.ExeName = ProcessImagePath(processId);
    }
}

}  // namespace

void ProcessList::Refresh(bool bProcessPageFile, Accounts accounts) {
    Clear();
    UniqueKernelHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) {
        return;
    }
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = ::Process32FirstW(snapshot.get(), &entry); more;
         more = ::Process32NextW(snapshot.get(), &entry)) {
        ProcessRecord rec;
        rec.Name = entry.szExeFile;  // up to the first NUL
        ReadImageAndMemory(entry.th32ProcessID, bProcessPageFile, rec);
        if (accounts == Accounts::Read) {
            ProcessAccount(entry.th32ProcessID, rec.UserName, rec.Domain);
        }
        rec.Usage = entry.cntUsage;
        rec.ProcessID = entry.th32ProcessID;
        rec.DefaultHeapID = static_cast<std::uint32_t>(entry.th32DefaultHeapID);
        rec.ModuleID = entry.th32ModuleID;
        rec.ThreadCount = entry.cntThreads;
        rec.ParentProcessID = entry.th32ParentProcessID;
        rec.PriClassBase = entry.pcPriClassBase;
        rec.Tag = 0;
        Append(std::move(rec));
        entry.dwSize = sizeof(entry);
    }
    // Windows lists the idle process first; Wine has none and starts with a real process.
    DropIdleEntry();
}

std::int64_t ProcessList::GetProcessMemoryUsage(DWORD dwProcessID, int UnitType, bool bPageFile) {
    UniqueProcessHandle process(::OpenProcess(kQueryLimitedInformation, FALSE, dwProcessID));
    if (!process) {
        return 0;
    }
    return ConvertMemoryUnit(MemoryFigure(process.get(), bPageFile), UnitType);
}

UniqueIcon ProcessList::GetProcessIcon(int Index, bool bSmallIcon) const {
    return GetProcessIcon(GetProcessRec(Index).ExeName, bSmallIcon);
}

UniqueIcon ProcessList::GetProcessIcon(const std::wstring& ExeName, bool bSmallIcon) {
    SHFILEINFOW info{};
    UINT flags = SHGFI_ICON | SHGFI_SYSICONINDEX;
    if (bSmallIcon) {
        flags |= SHGFI_SMALLICON;
    }
    if (!::SHGetFileInfoW(ExeName.c_str(), 0, &info, sizeof(info), flags)) {
        return UniqueIcon();
    }
    return UniqueIcon(info.hIcon);
}

std::wstring ProcessList::ProcessInfoToStr(int Index) const {
    const ProcessRecord rec = GetProcessRec(Index);
    SYSTEMTIME st{};
    // Days since 1899-12-30 → FILETIME (100 ns since 1601-01-01; the two are 109205 days apart).
    const double ticks = (rec.StartDateTime + 109205.0) * 864000000000.0;
    ULARGE_INTEGER li;
    li.QuadPart = ticks > 0 ? static_cast<ULONGLONG>(ticks) : 0;
    FILETIME ft{li.LowPart, li.HighPart};
    ::FileTimeToSystemTime(&ft, &st);
    wchar_t date[128] = {};
    wchar_t time[128] = {};
    ::GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, date, 128);
    ::GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &st, nullptr, time, 128);
    return ProcessInfoText(rec, std::wstring(date) + L" " + time);
}

bool ProcessList::TerminateProcess(DWORD dwProcessID) {
    UniqueProcessHandle process(::OpenProcess(PROCESS_ALL_ACCESS, FALSE, dwProcessID));
    if (!process) {
        return false;
    }
    return ::TerminateProcess(process.get(), 0) != FALSE;
}

bool ProcessList::TerminateProcess(const std::wstring& Name) const {
    int at = 0;
    if (!Exists(Name, at)) {
        return false;
    }
    return TerminateProcess(GetProcessRec(at).ProcessID);
}

}  // namespace orvane::win
