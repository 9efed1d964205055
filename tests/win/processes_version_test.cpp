#include <gtest/gtest.h>

#include <windows.h>

#include "processes_fixtures.h"

#include <fstream>

#include "common/win/VersionResource.h"

namespace orvane::win {
namespace {

TEST(ReadExeVersionData, FirstTranslationOnly) {
    const ExeVersionData d =
        ReadExeVersionData(FixtureDir() + L"processes_ver_two_translations.exe");
    EXPECT_EQ(d.CompanyName, L"First Co");
    EXPECT_EQ(d.FileDescription, L"First description");
    EXPECT_EQ(d.FileVersion, L"1.2.3.4");
    EXPECT_EQ(d.InternalName, L"first");
    EXPECT_EQ(d.LegalCopyright, L"(c) First");
    EXPECT_EQ(d.LegalTrademarks, L"TM First");
    EXPECT_EQ(d.OriginalFileName, L"first.exe");
    EXPECT_EQ(d.ProductName, L"First Product");
    EXPECT_EQ(d.ProductVersion, L"1.2");
    EXPECT_EQ(d.Comments, L"");  // only the second table has it
    EXPECT_EQ(d.PrivateBuild, L"pb");
    EXPECT_EQ(d.SpecialBuild, L"sb");
}

TEST(ReadExeVersionData, OddFilesReadAsEmpty) {
    const std::wstring plain = FixtureDir() + L"processes_plain.txt";
    std::ofstream(plain.c_str()) << "not a program\n";
    for (const std::wstring& file : {FixtureDir() + L"processes_ver_no_translation.exe",
                                     FixtureDir() + L"processes_ver_short_translation.exe", plain,
                                     FixtureDir() + L"does-not-exist.exe", std::wstring()}) {
        EXPECT_EQ(ReadExeVersionData(file), ExeVersionData{}) << file;
    }
    ::DeleteFileW(plain.c_str());
}

}  // namespace
}  // namespace orvane::win
