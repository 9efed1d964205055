#include "settings/win/ProfileFile.h"

#include <windows.h>

#include <vector>

#include "common/core/AppError.h"

namespace orvane::win {

std::wstring ProfileFile::ReadString(std::wstring_view section, std::wstring_view key,
                                     std::wstring_view defaultValue) const {
    const std::wstring sectionText(section);
    const std::wstring keyText(key);
    const std::wstring defaultText(defaultValue);
    std::vector<wchar_t> buffer(256);
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD length =
            ::GetPrivateProfileStringW(sectionText.c_str(), keyText.c_str(), defaultText.c_str(),
                                       buffer.data(), size, path_.c_str());
        // A value that filled the buffer may have been cut: try again with more room.
        if (length + 1 < size) {
            return std::wstring(buffer.data(), length);
        }
        buffer.resize(buffer.size() * 2);
    }
}

void ProfileFile::WriteString(std::wstring_view section, std::wstring_view key,
                              std::wstring_view value) {
    const std::wstring sectionText(section);
    const std::wstring keyText(key);
    const std::wstring valueText(value);
    const bool written =
        write_ ? write_(sectionText.c_str(), keyText.c_str(), valueText.c_str(), path_.c_str())
               : ::WritePrivateProfileStringW(sectionText.c_str(), keyText.c_str(),
                                              valueText.c_str(), path_.c_str()) != FALSE;
    if (!written) {
        throw AppError(L"Unable to write to " + path_);
    }
}

}  // namespace orvane::win
