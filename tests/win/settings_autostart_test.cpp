#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "settings/win/AutoStart.h"

namespace orvane::win {
namespace {

// The real registry functions on a key of the test's own, in the current user's hive.
class AutoStartTest : public ::testing::Test {
  protected:
    void TearDown() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, kKey); }

    static constexpr const wchar_t* kKey = L"Software\\OrvaneTests\\Run";
    static constexpr const wchar_t* kExe = L"C:\\Program Files\\Orvane\\Orvane.exe";
    RunKey key{HKEY_CURRENT_USER, kKey};
    AutoStart autoStart{key, kExe};
};

TEST_F(AutoStartTest, WrittenShownAndRemoved) {
    EXPECT_FALSE(autoStart.Current().Checked) << "no value: not ticked";
    ASSERT_TRUE(autoStart.Set(true));
    EXPECT_EQ(key.Read(L"Orvane"), L"\"C:\\Program Files\\Orvane\\Orvane.exe\"");
    EXPECT_TRUE(autoStart.Current().Checked);
    EXPECT_FALSE(autoStart.Current().OtherCopy);
    ASSERT_TRUE(autoStart.Set(false));
    EXPECT_FALSE(key.Read(L"Orvane"));
    EXPECT_FALSE(autoStart.Current().Checked);
    EXPECT_TRUE(autoStart.Set(false)) << "removing what is not there succeeds";
}

TEST_F(AutoStartTest, OtherCopyIsShownAndReplacedOnlyWhenSet) {
    ASSERT_TRUE(key.Write(L"Orvane", L"\"D:\\Portable\\Orvane.exe\""));
    ASSERT_TRUE(key.Write(L"Other", L"other.exe"));
    const AutoStartView view = autoStart.Current();
    EXPECT_TRUE(view.Checked);
    EXPECT_EQ(view.OtherCopy, L"D:\\Portable\\Orvane.exe");
    EXPECT_EQ(key.Read(L"Orvane"), L"\"D:\\Portable\\Orvane.exe\"") << "reading changes nothing";
    ASSERT_TRUE(autoStart.Set(true));
    EXPECT_EQ(key.Read(L"Orvane"), L"\"C:\\Program Files\\Orvane\\Orvane.exe\"");
    EXPECT_FALSE(autoStart.Current().OtherCopy);
    EXPECT_EQ(key.Read(L"Other"), L"other.exe") << "other programs' values stay";
}

TEST_F(AutoStartTest, ValueOfAnotherTypeReadsAsNone) {
    const DWORD number = 1;
    ASSERT_EQ(
        ::RegSetKeyValueW(HKEY_CURRENT_USER, kKey, L"Orvane", REG_DWORD, &number, sizeof number),
        ERROR_SUCCESS);
    EXPECT_FALSE(key.Read(L"Orvane"));
    EXPECT_FALSE(autoStart.Current().Checked);
}

TEST(RunningExePathTest, IsThisExecutable) {
    const std::wstring path = AutoStart::RunningExePath();
    EXPECT_NE(::GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES) << path;
    EXPECT_TRUE(path.ends_with(L".exe")) << path;
}

}  // namespace
}  // namespace orvane::win
