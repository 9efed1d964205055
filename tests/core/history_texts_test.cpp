#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "history/core/LeakSuspectText.h"
#include "history/core/Megabytes.h"
#include "history/core/ShortName.h"
#include "history/core/TrimReportText.h"

namespace orvane {
namespace {

constexpr std::uint64_t kMiB = 1 << 20;
constexpr std::uint64_t kGiB = std::uint64_t{1} << 30;

TEST(HistoryTextsTest, WholeMegabytesRoundHalvesToEven) {
    EXPECT_EQ(WholeMegabytes(0), 0u);
    EXPECT_EQ(WholeMegabytes(kMiB / 2), 0u);
    EXPECT_EQ(WholeMegabytes(kMiB / 2 + 1), 1u);
    EXPECT_EQ(WholeMegabytes(kMiB + kMiB / 2), 2u);
    EXPECT_EQ(WholeMegabytes(2 * kMiB + kMiB / 2), 2u);
    EXPECT_EQ(WholeMegabytes(3 * kMiB - 1), 3u);
    EXPECT_EQ(StoredMegabytes(UINT64_MAX), UINT32_MAX);
    EXPECT_EQ(StoredMegabytes(16 * kGiB), 16384u);
}

TEST(HistoryTextsTest, TrimReport) {
    struct Case {
        std::uint64_t before, after;
        std::optional<std::wstring> text;
    };
    const Case cases[] = {
        {2 * kGiB, 2 * kGiB + 412 * kMiB, L"已释放 412 MB"},
        {kGiB, kGiB + kMiB, L"已释放 1 MB"},
        {kGiB, kGiB + kMiB + kMiB / 2, L"已释放 2 MB"},
        {kGiB, kGiB + 2 * kMiB + kMiB / 2, L"已释放 2 MB"},
        {0, 100 * kGiB, L"已释放 102400 MB"},
        {kGiB, kGiB + kMiB / 2, std::nullopt},  // rounds to nothing
        {kGiB, kGiB + 1, std::nullopt},
        {kGiB, kGiB, std::nullopt},
        {2 * kGiB, kGiB, std::nullopt},  // other programs took more meanwhile
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TrimReportText(c.before, c.after), c.text) << c.before << " " << c.after;
    }
}

TEST(HistoryTextsTest, LeakSuspectLine) {
    LeakSuspect suspect;
    suspect.SinceMinute = 1000;
    suspect.NowMinute = 1030;
    suspect.StartBytes = 300 * kMiB;
    suspect.NowBytes = 712 * kMiB + kMiB / 2;
    EXPECT_EQ(LeakSuspectText(suspect), L"疑似内存泄漏: 30 分钟内增长 412 MB");
    suspect.NowMinute = 1000 + 600;
    suspect.NowBytes = 3 * kGiB + kMiB / 2 + 1;
    EXPECT_EQ(LeakSuspectText(suspect), L"疑似内存泄漏: 600 分钟内增长 2773 MB");
}

TEST(HistoryTextsTest, ShortNamesKeepWholeCharacters) {
    EXPECT_EQ(ShortName(L"chrome.exe").Text(), L"chrome.exe");
    EXPECT_EQ(ShortName(L"微信.exe").Text(), L"微信.exe");
    EXPECT_TRUE(ShortName(L"").empty());
    const std::wstring longName = L"Microsoft.ServiceHub.Controller.exe";
    EXPECT_EQ(ShortName(longName).Text(), longName.substr(0, ShortName::kMaxUnits));
    // A character outside the basic plane takes two units; it is never cut in half.
    std::wstring emoji;
    for (const char32_t unit :
         sizeof(wchar_t) == 2 ? std::u32string{0xD83D, 0xDE00} : std::u32string{0x1F600}) {
        emoji += static_cast<wchar_t>(unit);
    }
    const std::wstring name = std::wstring(31, L'a') + emoji;
    EXPECT_EQ(ShortName(name).Text(), std::wstring(31, L'a'));
    EXPECT_EQ(ShortName(std::wstring(30, L'a') + emoji).Text(), std::wstring(30, L'a') + emoji);
}

}  // namespace
}  // namespace orvane
