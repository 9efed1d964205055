#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "monitor/core/ByteSize.h"

namespace orvane {
namespace {

constexpr std::int64_t KiB = 1024;
constexpr std::int64_t MiB = 1024 * KiB;
constexpr std::int64_t GiB = 1024 * MiB;

TEST(FormatByteSizeTest, UnitsThresholdsAndRounding) {
    const struct {
        std::int64_t Bytes;
        const wchar_t* Expected;
    } cases[] = {
        {0, L" bytes"},
        {1, L"1 byte"},
        {2, L"2 bytes"},
        {512, L"512 bytes"},
        {KiB, L"1024 bytes"},  // units start strictly above their size
        {KiB + 1, L"1 KB"},
        {1536, L"1.5 KB"},
        {1029, L"1 KB"},     // 1.00488
        {1034, L"1.01 KB"},  // 1.00977
        {1152, L"1.13 KB"},  // exactly 1.125: half away from zero, not to even
        {1408, L"1.38 KB"},  // exactly 1.375
        {1280, L"1.25 KB"},
        {MiB - 1, L"1024 KB"},  // 1023.999 rounds up
        {MiB, L"1024 KB"},
        {MiB + 1, L"1 MB"},
        {2 * MiB + MiB / 2, L"3 MB"},  // exactly 2.5
        {2 * MiB + MiB / 2 - 1, L"2 MB"},
        {3 * MiB + MiB / 2, L"4 MB"},
        {GiB, L"1024 MB"},
        {GiB + 1, L"1 GB"},
        {GiB + GiB / 8, L"1.13 GB"},  // exactly 1.125
        {1079110533, L"1 GB"},        // just below 1.005
        {1079110534, L"1.01 GB"},     // just above 1.005
        {GiB + GiB / 2, L"1.5 GB"},
        {16 * GiB, L"16 GB"},
        {8 * GiB - 1, L"8 GB"},
        {std::numeric_limits<std::int64_t>::max(), L"8589934592 GB"},
        {-5, L"-5 bytes"},
    };
    const NumberSeparators dot;
    for (const auto& c : cases) {
        EXPECT_EQ(FormatByteSize(c.Bytes, dot), c.Expected) << c.Bytes;
    }
}

TEST(FormatByteSizeTest, UsesTheLocaleDecimalSeparator) {
    const NumberSeparators comma{L",", L"."};
    EXPECT_EQ(FormatByteSize(13207024435, comma), L"12,3 GB");  // 12.29999
    EXPECT_EQ(FormatByteSize(1536, comma), L"1,5 KB");
    EXPECT_EQ(FormatByteSize(1234 * MiB, comma), L"1,21 GB");
    // No thousands separator anywhere.
    EXPECT_EQ(FormatByteSize(1000 * MiB, comma), L"1000 MB");
}

}  // namespace
}  // namespace orvane
