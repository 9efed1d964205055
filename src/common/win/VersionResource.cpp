#include "common/win/VersionResource.h"

#include <windows.h>

#include <cwchar>
#include <vector>

#include "common/core/VersionText.h"
#include "common/win/SystemError.h"

namespace orvane::win {

namespace {

// The file's whole version resource; on failure empty, with the system's error code in `error`.
std::vector<BYTE> ReadVersionResource(const std::wstring& file, DWORD& error) {
    DWORD unused = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(file.c_str(), &unused);
    if (size == 0) {
        error = ::GetLastError();
        return {};
    }
    std::vector<BYTE> data(size);
    if (!::GetFileVersionInfoW(file.c_str(), 0, size, data.data())) {
        error = ::GetLastError();
        return {};
    }
    error = ERROR_SUCCESS;
    return data;
}

}  // namespace

ExeVersionData ReadExeVersionData(const std::wstring& FileName) {
    ExeVersionData data;
    if (FileName.empty()) {
        return data;
    }
    DWORD error = 0;
    std::vector<BYTE> buffer = ReadVersionResource(FileName, error);
    if (buffer.empty()) {
        return data;
    }
    void* translation = nullptr;
    UINT translationLen = 0;
    // A resource without a translation table (or a truncated one) has no string table we
    // could address: it reads as empty rather than failing the caller.
    if (!::VerQueryValueW(buffer.data(), L"\\VarFileInfo\\Translation\\", &translation,
                          &translationLen) ||
        translation == nullptr || translationLen < 2 * sizeof(WORD)) {
        return data;
    }
    const WORD* words = static_cast<const WORD*>(translation);
    wchar_t key[16];
    std::swprintf(key, 16, L"%.4x%.4x", words[0], words[1]);

    const struct {
        const wchar_t* name;
        std::wstring ExeVersionData::*field;
    } fields[] = {
        {L"\\CompanyName", &ExeVersionData::CompanyName},
        {L"\\FileDescription", &ExeVersionData::FileDescription},
        {L"\\FileVersion", &ExeVersionData::FileVersion},
        {L"\\InternalName", &ExeVersionData::InternalName},
        {L"\\LegalCopyright", &ExeVersionData::LegalCopyright},
        {L"\\LegalTrademarks", &ExeVersionData::LegalTrademarks},
        {L"\\OriginalFileName", &ExeVersionData::OriginalFileName},
        {L"\\ProductName", &ExeVersionData::ProductName},
        {L"\\ProductVersion", &ExeVersionData::ProductVersion},
        {L"\\Comments", &ExeVersionData::Comments},
        {L"\\PrivateBuild", &ExeVersionData::PrivateBuild},
        {L"\\SpecialBuild", &ExeVersionData::SpecialBuild},
    };
    for (const auto& f : fields) {
        const std::wstring query = std::wstring(L"\\StringFileInfo\\") + key + f.name;
        void* value = nullptr;
        UINT len = 0;
        if (::VerQueryValueW(buffer.data(), query.c_str(), &value, &len) && value) {
            data.*f.field = std::wstring(static_cast<const wchar_t*>(value), len).c_str();
        }
    }
    return data;
}

std::wstring GetFileVersionText(const std::wstring& file) {
    DWORD error = 0;
    std::vector<BYTE> data = ReadVersionResource(file, error);
    if (data.empty()) {
        return L"GetFileVersionInfo failed: (" + std::to_wstring(error) + L") " +
               SystemErrorMessage(error);
    }
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT len = 0;
    if (!::VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &len) || !fixed ||
        len < sizeof(VS_FIXEDFILEINFO)) {
        return {};
    }
    return FileVersionToText(fixed->dwFileVersionMS, fixed->dwFileVersionLS);
}

}  // namespace orvane::win
