#include "settings/win/RunKey.h"

#include <utility>

namespace orvane::win {

RunKey::RunKey(HKEY root, std::wstring path) : root_(root), path_(std::move(path)) {}

std::optional<std::wstring> RunKey::Read(const std::wstring& name) const {
    DWORD bytes = 0;
    if (::RegGetValueW(root_, path_.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, nullptr,
                       &bytes) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (::RegGetValueW(root_, path_.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, text.data(),
                       &bytes) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    text.resize(text.find(L'\0'));
    return text;
}

bool RunKey::Write(const std::wstring& name, const std::wstring& value) const {
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    return ::RegSetKeyValueW(root_, path_.c_str(), name.c_str(), REG_SZ, value.c_str(), bytes) ==
           ERROR_SUCCESS;
}

bool RunKey::Remove(const std::wstring& name) const {
    const LSTATUS status = ::RegDeleteKeyValueW(root_, path_.c_str(), name.c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

}  // namespace orvane::win
