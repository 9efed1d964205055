#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "history/core/CivilTime.h"
#include "history/core/HistoryCsv.h"

namespace orvane {
namespace {

using ::testing::ElementsAreArray;

// Now: 2025-03-30 08:00 in UTC+8.
constexpr std::int32_t kNow = 29054880;

const std::string kHeader = std::string(kHistoryCsvHeader) + "\r\n";

// A sound row at `time` (local, with offset) and the given columns after it.
std::string Row(
    const std::string& time,
    const std::string& rest = "41.00,43.52,47.00,8123,8200,8301,10230,10300,10412,30,,,0") {
    return time + "," + rest + "\r\n";
}

// The minutes of what was read, relative to now.
std::vector<std::int32_t> MinutesRead(const std::string& text, bool fromFileStart = true) {
    std::vector<std::int32_t> minutes;
    for (const MinuteRecord& record : ReadHistoryCsv(text, fromFileStart, kNow)) {
        minutes.push_back(record.Minute - kNow);
    }
    return minutes;
}

MinuteRecord Sample(std::int32_t minute, int utcOffset) {
    MinuteRecord r;
    r.Minute = minute;
    r.UtcOffset = static_cast<std::int16_t>(utcOffset);
    r.Samples = 30;
    r.LoadMin = 4100;
    r.LoadMean = 4352;
    r.LoadMax = 4700;
    r.AvailMinMB = 8123;
    r.AvailMeanMB = 8200;
    r.AvailMaxMB = 8301;
    r.CommitMinMB = 10230;
    r.CommitMeanMB = 10300;
    r.CommitMaxMB = 10412;
    return r;
}

TEST(HistoryCsvTest, WritesTheHeaderAndOneRowPerMinute) {
    MinuteRecord trimmed = Sample(kNow - 1, 480);
    trimmed.Marks = kMarkTrim | kMarkHighMemory;
    trimmed.TrimBeforeMB = 512;
    trimmed.TrimAfterMB = 2048;
    trimmed.LoadMin = 5;
    trimmed.LoadMax = kFullLoad;
    const std::vector<MinuteRecord> minutes = {Sample(kNow - 2, 480), trimmed};
    EXPECT_EQ(
        HistoryCsvText(minutes),
        kHeader +
            "2025-03-30T07:58+08:00,41.00,43.52,47.00,8123,8200,8301,10230,10300,10412,30,,,0\r\n"
            "2025-03-30T07:59+08:00,0.05,43.52,100.00,8123,8200,8301,10230,10300,10412,30,512,2048,"
            "1\r\n");
}

TEST(HistoryCsvTest, WhatIsWrittenReadsBack) {
    std::vector<MinuteRecord> minutes;
    const int offsets[] = {480, -300, 345, 0, -570, 840, -720};
    for (int i = 0; i < 1440; ++i) {
        MinuteRecord r = Sample(kNow - 1439 + i, offsets[i % 7]);
        r.Samples = static_cast<std::uint16_t>(1 + i % 65535);
        r.LoadMean = static_cast<std::uint16_t>(4100 + i % 600);
        r.LoadMax = 4700;
        r.Marks = static_cast<std::uint8_t>(i % 4);
        if ((r.Marks & kMarkTrim) != 0) {
            r.TrimBeforeMB = static_cast<std::uint32_t>(i);
            r.TrimAfterMB = UINT32_MAX;
        }
        minutes.push_back(r);
    }
    const std::string text = HistoryCsvText(minutes);
    EXPECT_LT(text.size(), kHistoryCsvMaxBytes / 2);
    EXPECT_EQ(ReadHistoryCsv(text, true, kNow), minutes);
}

TEST(HistoryCsvTest, ReadsAsFarAsTheFileIsSound) {
    const std::string now = "2025-03-30T08:00+08:00";
    const std::string before = "2025-03-30T07:59+08:00";
    struct Case {
        const char* name;
        std::string text;
        std::vector<std::int32_t> kept;  // minutes relative to now
    };
    const Case cases[] = {
        {"empty file", "", {}},
        {"header only", kHeader, {}},
        {"header cut short", "time,load_min,lo", {}},
        {"sound", kHeader + Row(before) + Row(now), {-1, 0}},
        {"byte-order mark", "\xEF\xBB\xBF" + kHeader + Row(now), {0}},
        {"line feeds only, mixed with CR LF",
         std::string(kHistoryCsvHeader) + "\n" + before + ",41,43.5,47,1,2,3,4,5,6,1,,,0\n" +
             Row(now),
         {-1, 0}},
        {"wrong header", "time,load\r\n" + Row(before) + Row(now), {}},
        {"no header", Row(before) + Row(now), {}},
        {"a later version's extra columns",
         std::string(kHistoryCsvHeader) + ",swap_mb\r\n" + before +
             ",41.00,43.52,47.00,8123,8200,8301,10230,10300,10412,30,,,0,77\r\n",
         {-1}},
        {"last line cut short", kHeader + Row(before) + now + ",41.00,43.52,47.00,8123,82", {-1}},
        {"last line without its line break",
         kHeader + Row(before) + now + ",41.00,43.52,47.00,8123,8200,8301,10230,10300,10412,30,,,0",
         {-1}},
        {"a row cut short in the middle", kHeader + before + ",41.00,43.52\r\n" + Row(now), {0}},
        {"from the future", kHeader + Row(now) + Row("2025-03-30T08:01+08:00"), {0}},
        {"the same instant in another time zone is no future",
         kHeader + Row("2025-03-30T01:00+01:00"),
         {0}},
        {"24 hours old",
         kHeader + Row("2025-03-29T08:00+08:00") + Row("2025-03-29T08:01+08:00"),
         {-1439}},
        {"far future and far past",
         kHeader + Row("3999-01-01T00:00+00:00") + Row("1970-01-01T00:00+00:00"),
         {}},
        {"out of order",
         kHeader + Row(now) + Row("2025-03-30T07:58+08:00") + Row(before),
         {-2, -1, 0}},
        {"duplicate minutes are combined", kHeader + Row(before) + Row(now) + Row(before), {-1, 0}},
        {"non-numeric",
         kHeader + Row(before, "41.00,abc,47.00,8123,8200,8301,10230,10300,10412,30,,,0") +
             Row(now),
         {0}},
        {"NaN and infinity",
         kHeader + Row(before, "nan,43.52,47.00,8123,8200,8301,10230,10300,10412,30,,,0") +
             Row(now, "41.00,43.52,47.00,inf,8200,8301,10230,10300,10412,30,,,0"),
         {}},
        {"negative",
         kHeader + Row(before, "41.00,43.52,47.00,-8123,8200,8301,10230,10300,10412,30,,,0") +
             Row(now),
         {0}},
        {"load above 100 %",
         kHeader + Row(before, "41.00,43.52,100.01,8123,8200,8301,10230,10300,10412,30,,,0") +
             Row(now),
         {0}},
        {"three decimals",
         kHeader + Row(before, "41.001,43.52,47.00,8123,8200,8301,10230,10300,10412,30,,,0") +
             Row(now),
         {0}},
        {"minimum above the mean",
         kHeader + Row(before, "41.00,43.52,47.00,8300,8200,8301,10230,10300,10412,30,,,0") +
             Row(now),
         {0}},
        {"beyond 32 bits",
         kHeader + Row(before, "41.00,43.52,47.00,8123,8200,4294967296,10230,10300,10412,30,,,0") +
             Row(now),
         {0}},
        {"no samples",
         kHeader + Row(before, "41.00,43.52,47.00,8123,8200,8301,10230,10300,10412,0,,,0") +
             Row(now),
         {0}},
        {"a trim with one figure",
         kHeader + Row(before, "41.00,43.52,47.00,8123,8200,8301,10230,10300,10412,30,512,,0") +
             Row(now),
         {0}},
        {"high_memory other than 0 or 1",
         kHeader + Row(before, "41.00,43.52,47.00,8123,8200,8301,10230,10300,10412,30,,,2") +
             Row(now),
         {0}},
        {"no such day", kHeader + Row("2025-02-29T07:59+08:00") + Row(now), {0}},
        {"offset beyond 14 hours", kHeader + Row("2025-03-30T22:59+15:00") + Row(now), {0}},
        {"time in another shape",
         kHeader + Row("2025-03-30 07:59") + Row("2025-03-30T07:59:00+08:00") + Row(now),
         {0}},
        {"blanks and empty lines", kHeader + "\r\n \r\n" + Row(" " + before) + Row(now), {0}},
        {"binary garbage", std::string("\0\xFF\x01,\n\n\xC3(\n", 9), {}},
        {"NUL inside a row",
         kHeader + before + std::string(",41.00\0,43.52", 13) + "\r\n" + Row(now),
         {0}},
    };
    for (const Case& c : cases) {
        EXPECT_THAT(MinutesRead(c.text), ElementsAreArray(c.kept)) << c.name;
    }
}

TEST(HistoryCsvTest, DuplicateRowsCombineTheirFigures) {
    const std::string text =
        kHeader +
        Row("2025-03-30T07:59+08:00", "40.00,40.00,40.00,100,100,100,200,200,200,10,,,0") +
        Row("2025-03-30T00:59+01:00", "60.00,60.00,60.00,50,50,50,300,300,300,30,512,1024,1");
    const auto minutes = ReadHistoryCsv(text, true, kNow);
    ASSERT_EQ(minutes.size(), 1u);
    const MinuteRecord& r = minutes[0];
    EXPECT_EQ(r.UtcOffset, 480);  // the first row's
    EXPECT_EQ(r.Samples, 40);
    EXPECT_EQ(r.LoadMin, 4000);
    EXPECT_EQ(r.LoadMean, 5500);
    EXPECT_EQ(r.LoadMax, 6000);
    EXPECT_EQ(r.AvailMinMB, 50u);
    EXPECT_EQ(r.AvailMeanMB, 63u);  // 62.5 rounded up
    EXPECT_EQ(r.CommitMaxMB, 300u);
    EXPECT_EQ(r.Marks, kMarkTrim | kMarkHighMemory);
    EXPECT_EQ(r.TrimAfterMB, 1024u);
}

TEST(HistoryCsvTest, AHugeFileIsReadFromItsTail) {
    // What the shell passes for a file longer than the limit: its last bytes, cut inside a row.
    std::string tail = "00,8123,8200,8301,10230,10300,10412,30,,,0\r\n";
    tail += Row("2025-03-30T07:58+08:00") + Row("2025-03-30T07:59+08:00");
    EXPECT_THAT(MinutesRead(tail, false), ElementsAreArray({-2, -1}));
    // A tail that happens to start with a header-like line reads the same way.
    EXPECT_THAT(MinutesRead(kHeader + Row("2025-03-30T07:59+08:00"), false),
                ElementsAreArray({-1}));

    // Many megabytes of rows, each old, repeated or broken: read in one pass, nothing kept
    // beyond 24 hours of minutes.
    std::string huge = kHeader;
    for (int i = 0; i < 60000; ++i) {
        huge += Row(i % 3 == 0 ? "2025-03-30T07:59+08:00" : "2024-01-01T00:00+08:00");
        huge += "garbage,,,\r\n";
    }
    EXPECT_THAT(MinutesRead(huge), ElementsAreArray({-1}));
    const auto minutes = ReadHistoryCsv(huge, true, kNow);
    EXPECT_EQ(minutes[0].Samples, UINT16_MAX);  // 20000 rows of 30 ticks each, combined
}

}  // namespace
}  // namespace orvane
