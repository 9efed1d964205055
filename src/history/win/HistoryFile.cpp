#include "history/win/HistoryFile.h"

#include <windows.h>

#include <utility>

#include "common/win/FileChecks.h"
#include "common/win/Handles.h"
#include "common/win/SharedFileRead.h"
#include "history/core/HistoryCsv.h"

namespace orvane::win {

namespace {

constexpr std::chrono::milliseconds kReadRetryStep{50};

// The file's last `kHistoryCsvMaxBytes` at most; false when reading failed.
bool ReadTail(HANDLE file, std::string& text, bool& fromStart) {
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file, &size) || size.QuadPart < 0) {
        return false;
    }
    const auto total = static_cast<std::uint64_t>(size.QuadPart);
    const std::uint64_t wanted = total < kHistoryCsvMaxBytes ? total : kHistoryCsvMaxBytes;
    fromStart = wanted == total;
    LARGE_INTEGER start{};
    start.QuadPart = static_cast<LONGLONG>(total - wanted);
    if (!::SetFilePointerEx(file, start, nullptr, FILE_BEGIN)) {
        return false;
    }
    text.resize(static_cast<std::size_t>(wanted));
    std::size_t done = 0;
    while (done < text.size()) {
        DWORD read = 0;
        if (!::ReadFile(file, text.data() + done, static_cast<DWORD>(text.size() - done), &read,
                        nullptr)) {
            return false;
        }
        if (read == 0) {
            break;  // the file got shorter meanwhile
        }
        done += read;
    }
    text.resize(done);
    return true;
}

void RemoveFile(const std::wstring& path) {
    ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileW(path.c_str());
}

bool WriteAll(const std::wstring& path, std::string_view bytes) {
    const UniqueKernelHandle file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr,
                                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return false;
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        if (!::WriteFile(file.get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done),
                         &written, nullptr) ||
            written == 0) {
            return false;
        }
        done += written;
    }
    return ::FlushFileBuffers(file.get()) != FALSE;
}

}  // namespace

bool WriteFileThroughCopy(const std::wstring& path, std::string_view bytes) {
    const std::wstring copy = path + L".saving";
    RemoveFile(copy);
    if (WriteAll(copy, bytes) &&
        ::MoveFileExW(copy.c_str(), path.c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    RemoveFile(copy);
    return false;
}

HistoryFile::HistoryFile(std::wstring path, std::chrono::milliseconds readRetry)
    : path_(std::move(path)), readRetry_(readRetry) {}

std::vector<MinuteRecord> HistoryFile::Load(std::int32_t nowMinute) {
    DWORD error = ERROR_SUCCESS;
    const UniqueKernelHandle file =
        OpenForReadingWithRetry(path_, readRetry_, kReadRetryStep, error);
    unreadable_ = !file && !IsMissingFileError(error);
    if (!file) {
        return {};
    }
    std::string text;
    bool fromStart = true;
    if (!ReadTail(file.get(), text, fromStart)) {
        unreadable_ = true;
        return {};
    }
    return ReadHistoryCsv(text, fromStart, nowMinute);
}

bool HistoryFile::Save(const std::vector<MinuteRecord>& minutes) const {
    if (unreadable_) {
        return false;
    }
    return WriteFileThroughCopy(path_, HistoryCsvText(minutes));
}

}  // namespace orvane::win
