#include "processes/win/ExeFileInfo.h"

#include <windows.h>

#include <cwchar>
#include <vector>

namespace orvane::win {

ExeVersionData ReadExeVersionData(const std::wstring& FileName) {
    ExeVersionData data;
    if (FileName.empty()) {
        return data;
    }
    DWORD unused = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(FileName.c_str(), &unused);
    if (size == 0) {
        return data;
    }
    std::vector<BYTE> buffer(size);
    if (!::GetFileVersionInfoW(FileName.c_str(), 0, size, buffer.data())) {
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

}  // namespace orvane::win
