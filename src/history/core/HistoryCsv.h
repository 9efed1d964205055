#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "history/core/MinuteRecord.h"

namespace orvane {

// "Orvane.History.csv", the per-minute history kept across restarts. UTF-8 (ASCII in fact), CR LF
// line ends, one header line, then one row per minute, oldest first:
//
//   time,load_min,load_mean,load_max,avail_min_mb,avail_mean_mb,avail_max_mb,commit_min_mb,
//   commit_mean_mb,commit_max_mb,samples,trim_before_mb,trim_after_mb,high_memory
//   2025-03-30T14:05+08:00,41.00,43.52,47.00,8123,8200,8301,10230,10300,10412,30,,,0
//
// time: the minute in ISO 8601 local time with the clock's offset from UTC, so that summer-time
// changes and moves between time zones leave every row's instant unambiguous. load_*: percent
// with two decimals. *_mb: whole megabytes (2^20 bytes). samples: ticks in the minute.
// trim_before_mb/trim_after_mb: available physical memory before and right after the minute's
// last trim, both empty when no trim ran. high_memory: 1 when the high-memory step fired.
inline constexpr std::string_view kHistoryCsvHeader =
    "time,load_min,load_mean,load_max,avail_min_mb,avail_mean_mb,avail_max_mb,commit_min_mb,"
    "commit_mean_mb,commit_max_mb,samples,trim_before_mb,trim_after_mb,high_memory";

// Beside the settings file.
inline constexpr std::wstring_view kHistoryCsvFileName = L"Orvane.History.csv";

// The most the reader looks at: 24 hours of rows take about 200 KB. Of a longer file only its
// last this many bytes are read.
inline constexpr std::size_t kHistoryCsvMaxBytes = 512 * 1024;

// The whole file for these minutes.
std::string HistoryCsvText(std::span<const MinuteRecord> minutes);

// The minutes a history file holds, as far as it is sound: sorted, one per minute (rows of the
// same minute combined), none after `nowMinute` and none 24 hours or more before it. `text` is
// the whole file, or when `fromFileStart` is false, its last bytes, which begin inside a row and
// hold no header. Without the header (a UTF-8 byte-order mark before it is allowed) nothing is
// read; a row that does not parse or whose figures contradict each other is skipped, as is a
// last line without its line break (a write cut short). Columns after the known ones are
// ignored, so that a later version's file still reads.
std::vector<MinuteRecord> ReadHistoryCsv(std::string_view text, bool fromFileStart,
                                         std::int32_t nowMinute);

}  // namespace orvane
