#pragma once

#include <string>
#include <vector>

namespace orvane {

// The sections of the version file on the update server.
inline constexpr wchar_t kSectionCurrentVersions[] = L"CurrentVersions";
inline constexpr wchar_t kSectionDownloadUrl[] = L"DownloadURL";
inline constexpr wchar_t kSectionDateReleased[] = L"DateReleased";
inline constexpr wchar_t kSectionBetaVersions[] = L"BetaVersions";
inline constexpr wchar_t kSectionCurrentHistory[] = L"CurrentHistory";

// History lines beyond this many are not read.
inline constexpr int kMaxHistoryLines = 1000;

// What one version file says about one program.
struct VersionFileValues {
    std::wstring CurrentVersion;
    std::wstring DownloadURL;
    std::wstring ReleaseDate;
    std::wstring BetaVer;
    std::vector<std::wstring> Changes;
};

// The program's key in the version file: the executable's file name without folder and
// extension.
std::wstring ProgramKeyFromPath(const std::wstring& exePath);

// Only a web address may be opened from what a server sent, never a local program or file.
bool IsWebAddress(const std::wstring& url);

// The text of the update checker's own download question.
std::wstring DownloadQuestionText(const std::wstring& currentVersion, const std::wstring& siteName);

}  // namespace orvane
