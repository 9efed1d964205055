#include <gtest/gtest.h>

#include "monitor/core/MemoryInfo.h"

namespace orvane {
namespace {

constexpr std::uint64_t GiB = 1024ull * 1024 * 1024;

const MemorySnapshot kSnapshot{42, 16 * GiB, 6 * GiB, 32 * GiB, 20 * GiB + GiB / 2};

TEST(MemoryInfoTextTest, HintLineSaysWhatTheIconShows) {
    const NumberSeparators comma{L",", L"."};
    OrvaneOptions options;
    EXPECT_EQ(MemoryInfoText(kSnapshot, options, comma),
              L"         显示已用 物理内存 \r\n"
              L"内存使用: 42%\r\n"
              L"物理内存: 10 GB/16 GB\r\n"
              L"页面文件: 11,5 GB/32 GB");

    options.ShowFree = true;
    options.ShowPage = true;
    options.ShowPercentage = true;
    EXPECT_EQ(MemoryInfoText(kSnapshot, options, comma),
              L"         显示可用 页面文件 %\r\n"
              L"内存使用: 42%\r\n"
              L"物理内存: 10 GB/16 GB\r\n"
              L"页面文件: 11,5 GB/32 GB");
}

TEST(MemoryInfoTextTest, WithoutHintThreeLines) {
    OrvaneOptions options;
    options.HintWhatisDisplayed = false;
    const MemorySnapshot small{0, 2048, 512, 1, 1};
    EXPECT_EQ(MemoryInfoText(small, options, NumberSeparators{}),
              L"内存使用: 0%\r\n"
              L"物理内存: 1.5 KB/2 KB\r\n"
              L"页面文件:  bytes/1 byte");
}

TEST(DisplayedTotalTest, FollowsShowPage) {
    OrvaneOptions options;
    EXPECT_EQ(DisplayedTotal(kSnapshot, options), 16 * GiB);
    options.ShowPage = true;
    EXPECT_EQ(DisplayedTotal(kSnapshot, options), 32 * GiB);
}

}  // namespace
}  // namespace orvane
