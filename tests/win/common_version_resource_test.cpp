#include <gtest/gtest.h>
#include <windows.h>

#include "common/core/VersionText.h"
#include "common/win/VersionResource.h"

namespace orvane::win {
namespace {

TEST(GetFileVersionText, ReadsSystemDllAndReportsMissingFile) {
    wchar_t dir[MAX_PATH];
    ::GetSystemDirectoryW(dir, MAX_PATH);
    const std::wstring kernel = std::wstring(dir) + L"\\kernel32.dll";
    const std::wstring text = GetFileVersionText(kernel);
    EXPECT_FALSE(FormatVersionText(text, true).empty()) << text;

    const std::wstring missing = GetFileVersionText(L"C:\\no\\such\\file.exe");
    EXPECT_EQ(missing.rfind(L"GetFileVersionInfo failed: (", 0), 0u);
    EXPECT_TRUE(FormatVersionText(missing, true).empty());
}

}  // namespace
}  // namespace orvane::win
