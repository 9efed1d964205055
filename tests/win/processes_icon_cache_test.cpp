#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "processes/win/ProcessIconCache.h"
#include "settings_test_folder.h"

namespace orvane::win {
namespace {

int g_extractions = 0;

// A real icon per extraction, so that the test sees which one a line gets.
UniqueIcon CountingExtractor(const std::wstring&) {
    ++g_extractions;
    return UniqueIcon(::CopyIcon(::LoadIconW(nullptr, IDI_APPLICATION)));
}

class ProcessIconCacheTest : public ::testing::Test {
  protected:
    void SetUp() override { g_extractions = 0; }
    std::wstring File(const std::wstring& name) {
        const std::wstring path = folder.Path() + name;
        std::ofstream(std::filesystem::path(path)) << "exe";
        return path;
    }
    void Touch(const std::wstring& path, DWORD secondsLater) {
        const HANDLE f = ::CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr,
                                       OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(f, INVALID_HANDLE_VALUE);
        FILETIME t{};
        ::GetFileTime(f, nullptr, nullptr, &t);
        ULARGE_INTEGER v{{t.dwLowDateTime, t.dwHighDateTime}};
        v.QuadPart += secondsLater * 10000000ull;
        t = FILETIME{v.LowPart, v.HighPart};
        ::SetFileTime(f, nullptr, nullptr, &t);
        ::CloseHandle(f);
    }
    SettingsTestFolder folder;
};

TEST_F(ProcessIconCacheTest, ExtractsEachPathOnceUntilItsFileChanges) {
    ProcessIconCache cache(8, CountingExtractor);
    const std::wstring a = File(L"a.exe");
    const auto first = cache.Get(a);
    ASSERT_TRUE(first && *first);
    EXPECT_EQ(cache.Get(a), first);
    EXPECT_EQ(g_extractions, 1);

    Touch(a, 60);  // a new version of the program: its icon is read again
    const auto renewed = cache.Get(a);
    EXPECT_EQ(g_extractions, 2);
    EXPECT_NE(renewed, first);
    EXPECT_TRUE(*first);  // a line still holding the old icon keeps it

    // No path, or a file that is gone: nothing kept.
    EXPECT_EQ(cache.Get(L""), nullptr);
    cache.Get(folder.Path() + L"missing.exe");
    cache.Get(folder.Path() + L"missing.exe");
    EXPECT_EQ(g_extractions, 4);
    EXPECT_EQ(cache.Size(), 1u);
}

TEST_F(ProcessIconCacheTest, DropsThePathShownLongestAgo) {
    ProcessIconCache cache(2, CountingExtractor);
    const std::wstring a = File(L"a.exe"), b = File(L"b.exe"), c = File(L"c.exe");
    const auto iconA = cache.Get(a);
    cache.Get(b);
    cache.Get(a);  // a was shown again: b is now the oldest
    cache.Get(c);
    EXPECT_EQ(cache.Size(), 2u);
    EXPECT_EQ(g_extractions, 3);
    EXPECT_EQ(cache.Get(a), iconA);
    cache.Get(b);
    EXPECT_EQ(g_extractions, 4);
}

}  // namespace
}  // namespace orvane::win
