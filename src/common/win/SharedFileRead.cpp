#include "common/win/SharedFileRead.h"

#include <thread>

#include "common/win/FileChecks.h"

namespace orvane::win {

namespace {

UniqueKernelHandle OpenForReading(const std::wstring& path, DWORD& error) {
    UniqueKernelHandle file(::CreateFileW(path.c_str(), GENERIC_READ,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    error = file ? ERROR_SUCCESS : ::GetLastError();
    return file;
}

bool IsDirectory(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

UniqueKernelHandle OpenForReadingWithRetry(const std::wstring& path,
                                           std::chrono::milliseconds retryFor,
                                           std::chrono::milliseconds step, DWORD& error) {
    const auto giveUp = std::chrono::steady_clock::now() + retryFor;
    UniqueKernelHandle file = OpenForReading(path, error);
    while (!file && !IsMissingFileError(error) && !IsDirectory(path) &&
           std::chrono::steady_clock::now() < giveUp) {
        std::this_thread::sleep_for(step);
        file = OpenForReading(path, error);
    }
    return file;
}

}  // namespace orvane::win
