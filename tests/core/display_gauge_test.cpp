#include <gtest/gtest.h>

#include "display/core/GaugeFormat.h"

namespace orvane {
namespace {

TEST(FormatGaugeValue, PicksTheUnitAndRounds) {
    const NumberSeparators us;  // "." and ","
    const NumberSeparators comma{L",", L"."};
    const NumberSeparators nbsp{L",", L"\u00A0"};
    constexpr std::int64_t kGiB = std::int64_t{1} << 30;
    struct Case {
        std::int64_t n;
        const NumberSeparators& sep;
        const wchar_t* expected;
    } cases[] = {
        {0, us, L"0"},
        {10239, us, L"10,239"},
        {10240, us, L"10"},
        {10240 + 512, us, L"10"},   // 10.5 rounds to the even 10
        {10240 + 1536, us, L"12"},  // 11.5 rounds to 12
        {10485759, us, L"10,240"},
        {10485760, us, L"0.01"},
        {5615669740, us, L"5.23"},
        {kGiB * 1234 + kGiB / 2, us, L"1,234.50"},
        {5615669740, comma, L"5,23"},
        {10239, comma, L"10.239"},
        {kGiB * 1234, nbsp, L"1\u00A0234,00"},
        {-2048, us, L"-2,048"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatGaugeValue(c.n, c.sep), c.expected) << c.n;
    }
}

}  // namespace
}  // namespace orvane
