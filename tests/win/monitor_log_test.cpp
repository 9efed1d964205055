#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>

#include "common/core/AppError.h"
#include "dialogs_probe.h"
#include "monitor/win/HighMemoryLog.h"
#include "settings_test_folder.h"

namespace orvane::win {
namespace {

std::string ReadBytes(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::wstring FailureOf(const std::wstring& path) {
    try {
        AppendLogLine(path, L"x");
    } catch (const AppError& e) {
        return e.Message();
    }
    return L"(no error)";
}

// "内存使用: 92%" in code page 936, the system code page of these tests.
const std::string kGbkLine = "\xC4\xDA\xB4\xE6\xCA\xB9\xD3\xC3: 92%";

TEST(HighMemoryLogFile, AppendsInTheAnsiCodePageAndCreatesAMissingFile) {
    ASSERT_EQ(::GetACP(), 936u) << "run under a Simplified-Chinese locale";
    SettingsTestFolder folder;
    const std::wstring existing = folder.Path() + L"Orvane.log";
    {
        std::ofstream out(std::filesystem::path(existing), std::ios::binary);
        out << "old line\r\n";
    }
    AppendLogLine(existing, L"内存使用: 92%");
    EXPECT_EQ(ReadBytes(existing), "old line\r\n" + kGbkLine + "\r\n");

    const std::wstring fresh = folder.Path() + L"新的.log";
    AppendLogLine(fresh, L"内存使用: 92%");
    AppendLogLine(fresh, L"内存使用: 92%");
    EXPECT_EQ(ReadBytes(fresh), kGbkLine + "\r\n" + kGbkLine + "\r\n");
}

TEST(HighMemoryLogFile, FailuresGiveTheFileErrorTextsAndCreateNoFolder) {
    SettingsTestFolder folder;
    const std::wstring missingFolder = folder.Path() + L"不存在\\";
    EXPECT_EQ(FailureOf(missingFolder + L"Orvane.log"), L"Invalid filename");
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(missingFolder)));

    const std::wstring longPath = folder.Path() + std::wstring(260, L'a');
    EXPECT_EQ(FailureOf(longPath.substr(0, 260)), L"Invalid filename");
    EXPECT_EQ(FailureOf(L""), L"Invalid filename");
    EXPECT_EQ(FailureOf(folder.Path()), L"File access denied") << "a folder, not a file";
}

TEST(HighMemoryLogFile, LineCarriesTheUsersDateAndTime) {
    SettingsTestFolder folder;
    const std::wstring path = folder.Path() + L"Orvane.log";
    AppendHighMemoryLog(path, MemorySnapshot{92, 16ull << 30, 4ull << 30, 24ull << 30, 0},
                        NumberSeparators{});
    const std::string bytes = ReadBytes(path);
    const int n =
        ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), n);
    // zh-CN: short date "2026/12/9", long time "22:30:40".
    const std::wregex line(
        L"\\d{4}/\\d{1,2}/\\d{1,2} \\d{1,2}:\\d{2}:\\d{2}: 内存使用: 92% \\| "
        L"物理内存: 12 GB/16 GB \\| 页面文件: 24 GB/24 GB\r\n");
    EXPECT_TRUE(std::regex_match(text, line)) << bytes;
}

TEST(HighMemoryLogFile, CommandWithoutAFileExplainsWhereItWillBe) {
    SettingsTestFolder folder;
    const std::wstring path = folder.Path() + L"Orvane.log";
    test::DialogProbe probe([](const test::ProbedDialog& d) { test::Click(d.FindId(IDOK)); });
    ShowHighMemoryLog(nullptr, path, 90);
    probe.Wait();
    ASSERT_TRUE(probe.found());
    const test::ProbedDialog& d = probe.dialog();
    EXPECT_TRUE(d.HasText(L"尚未记录到高内存值"));
    EXPECT_TRUE(d.HasText(L"仅当内存超过 89% 的内存负载"));
    EXPECT_TRUE(d.HasText(L"日志文件将保存在 \"" + path + L"\""));
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(path)));
}

}  // namespace
}  // namespace orvane::win
