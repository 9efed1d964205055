#include "update/core/VersionFile.h"

namespace orvane {

std::wstring ProgramKeyFromPath(const std::wstring& exePath) {
    const auto slash = exePath.find_last_of(L"\\/:");
    std::wstring name = slash == std::wstring::npos ? exePath : exePath.substr(slash + 1);
    const auto dot = name.rfind(L'.');
    if (dot != std::wstring::npos) {
        name.erase(dot);
    }
    return name;
}

bool IsWebAddress(const std::wstring& url) {
    auto startsWith = [&](const wchar_t* prefix) {
        std::size_t i = 0;
        for (; prefix[i] != 0; ++i) {
            if (i >= url.size()) {
                return false;
            }
            const wchar_t c = url[i] >= L'A' && url[i] <= L'Z' ? url[i] - L'A' + L'a' : url[i];
            if (c != prefix[i]) {
                return false;
            }
        }
        return url.size() > i;
    };
    return startsWith(L"https://") || startsWith(L"http://");
}

std::wstring DownloadQuestionText(const std::wstring& currentVersion,
                                  const std::wstring& siteName) {
    return L"有一个新版本" + currentVersion + L" 的该程序\r\n可在: " + siteName +
           L"\r\n你现在不想下载吗?";
}

}  // namespace orvane
