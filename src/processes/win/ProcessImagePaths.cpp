#include "processes/win/ProcessImagePaths.h"

#include <algorithm>

#include "common/win/Handles.h"
#include "processes/win/ProcessList.h"

namespace orvane::win {

namespace {

// SYSTEM_PROCESS_ID_INFORMATION: the caller names the process and lends the text buffer.
struct CountedText {
    USHORT Length;         // bytes, without a NUL
    USHORT MaximumLength;  // bytes
    PWSTR Buffer;
};
struct SystemProcessIdInformation {
    HANDLE ProcessId;
    CountedText ImageName;
};

constexpr std::size_t kFirstChars = MAX_PATH + 1;
constexpr std::size_t kMostChars = 0xFFFE / sizeof(wchar_t);  // a counted text's limit

}  // namespace

ProcessImagePaths::ProcessImagePaths() : ProcessImagePaths(SystemInformation()) {}

ProcessImagePaths::ProcessImagePaths(SystemInformationQuery& query)
    : query_(query), name_(kFirstChars) {}

std::wstring ProcessImagePaths::Of(DWORD processId) {
    if (!byIdUnsupported_) {
        std::wstring path = AskById(processId);
        if (!path.empty()) {
            return path;
        }
    }
    return ImagePathByOpening(processId);
}

std::wstring ProcessImagePaths::AskById(DWORD processId) {
    SystemProcessIdInformation info{};
    LONG status = kStatusInfoLengthMismatch;
    // A longer path than the buffer holds is answered with the length it needs: one more try.
    for (int i = 0; i < 2 && status == kStatusInfoLengthMismatch; ++i) {
        info.ProcessId = reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(processId));
        info.ImageName = {0, static_cast<USHORT>(name_.size() * sizeof(wchar_t)), name_.data()};
        ULONG returned = 0;
        status = query_.Query(kSystemProcessIdInformation, &info, sizeof(info), &returned);
        const std::size_t wanted = info.ImageName.MaximumLength / sizeof(wchar_t);
        if (status == kStatusInfoLengthMismatch && wanted > name_.size()) {
            name_.resize(std::min(wanted, kMostChars));
        }
    }
    if (status == kStatusInvalidInfoClass || status == kStatusNotImplemented) {
        byIdUnsupported_ = true;  // no use asking again for the next process
        return {};
    }
    const std::size_t bytes = info.ImageName.Length;
    if (status != kStatusSuccess || bytes % sizeof(wchar_t) != 0 ||
        bytes > name_.size() * sizeof(wchar_t)) {
        return {};
    }
    if (!devices_) {
        devices_ = ReadDosDevices();
    }
    return DosPathFromNtPath(std::wstring_view(name_.data(), bytes / sizeof(wchar_t)), *devices_);
}

std::vector<DosDevice> ReadDosDevices() {
    std::vector<DosDevice> devices;
    wchar_t drives[26 * 4 + 1] = {};
    const DWORD n = ::GetLogicalDriveStringsW(ARRAYSIZE(drives), drives);
    if (n == 0 || n >= ARRAYSIZE(drives)) {
        return devices;
    }
    for (const wchar_t* root = drives; *root; root += ::lstrlenW(root) + 1) {
        const std::wstring drive(root, 2);  // "C:" of "C:\"
        wchar_t target[MAX_PATH] = {};
        // The first of the names it answers is the one in use.
        if (::QueryDosDeviceW(drive.c_str(), target, MAX_PATH) > 0) {
            devices.push_back({drive, target});
        }
    }
    return devices;
}

std::wstring ImagePathByOpening(DWORD processId) {
    const UniqueProcessHandle process(
        ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process) {
        return {};
    }
    wchar_t path[MAX_PATH + 1] = {};
    DWORD len = MAX_PATH;
    if (::QueryFullProcessImageNameW(process.get(), 0, path, &len) && len > 0) {
        return path;
    }
    // The module functions still answer where the image name query does not.
    return ProcessImagePath(processId);
}

}  // namespace orvane::win
