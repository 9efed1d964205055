#include "history/core/HistoryCsv.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>

#include "history/core/CivilTime.h"

namespace orvane {

namespace {

constexpr std::size_t kColumns = 14;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

void AppendNumber(std::string& text, std::uint64_t value, int minDigits = 1) {
    std::array<char, 24> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    const auto count = static_cast<int>(end - digits.data());
    text.append(static_cast<std::size_t>(std::max(0, minDigits - count)), '0');
    text.append(digits.data(), end);
}

void AppendTime(std::string& text, std::int32_t minute, int utcOffset) {
    const LocalTime local = LocalTimeOf(minute, utcOffset);
    AppendNumber(text, static_cast<std::uint64_t>(local.Year), 4);
    text += '-';
    AppendNumber(text, static_cast<std::uint64_t>(local.Month), 2);
    text += '-';
    AppendNumber(text, static_cast<std::uint64_t>(local.Day), 2);
    text += 'T';
    AppendNumber(text, static_cast<std::uint64_t>(local.Hour), 2);
    text += ':';
    AppendNumber(text, static_cast<std::uint64_t>(local.Minute), 2);
    text += utcOffset < 0 ? '-' : '+';
    const auto offset = static_cast<std::uint64_t>(utcOffset < 0 ? -utcOffset : utcOffset);
    AppendNumber(text, offset / 60, 2);
    text += ':';
    AppendNumber(text, offset % 60, 2);
}

void AppendLoad(std::string& text, std::uint16_t load) {
    AppendNumber(text, load / 100u);
    text += '.';
    AppendNumber(text, load % 100u, 2);
}

void AppendRow(std::string& text, const MinuteRecord& r) {
    AppendTime(text, r.Minute, r.UtcOffset);
    for (const std::uint16_t load : {r.LoadMin, r.LoadMean, r.LoadMax}) {
        text += ',';
        AppendLoad(text, load);
    }
    for (const std::uint32_t megabytes :
         {r.AvailMinMB, r.AvailMeanMB, r.AvailMaxMB, r.CommitMinMB, r.CommitMeanMB, r.CommitMaxMB,
          std::uint32_t{r.Samples}}) {
        text += ',';
        AppendNumber(text, megabytes);
    }
    text += ',';
    if ((r.Marks & kMarkTrim) != 0) {
        AppendNumber(text, r.TrimBeforeMB);
        text += ',';
        AppendNumber(text, r.TrimAfterMB);
    } else {
        text += ',';
    }
    text += (r.Marks & kMarkHighMemory) != 0 ? ",1" : ",0";
    text += "\r\n";
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A run of ASCII digits, at most `maxDigits` of them, as a number.
std::optional<std::uint64_t> Digits(std::string_view text, std::size_t maxDigits) {
    if (text.empty() || text.size() > maxDigits ||
        !std::all_of(text.begin(), text.end(), IsDigit)) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (const char c : text) {
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    return value;
}

std::optional<std::uint32_t> MegabyteField(std::string_view text) {
    const auto value = Digits(text, 10);
    if (!value || *value > UINT32_MAX) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(*value);
}

// "43", "43.5" or "43.52", at most 100: percent × 100.
std::optional<std::uint16_t> LoadField(std::string_view text) {
    const std::size_t dot = text.find('.');
    const auto whole = Digits(text.substr(0, dot), 3);
    std::uint64_t hundredths = 0;
    if (dot != std::string_view::npos) {
        const std::string_view decimals = text.substr(dot + 1);
        const auto value = Digits(decimals, 2);
        if (!value) {
            return std::nullopt;
        }
        hundredths = decimals.size() == 1 ? *value * 10 : *value;
    }
    if (!whole || *whole * 100 + hundredths > kFullLoad) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(*whole * 100 + hundredths);
}

// "YYYY-MM-DDTHH:MM+hh:mm" (or -hh:mm): the minute since 1970 UTC and the offset.
bool ParseTime(std::string_view text, MinuteRecord& record) {
    if (text.size() != 22 || text[4] != '-' || text[7] != '-' || text[10] != 'T' ||
        text[13] != ':' || (text[16] != '+' && text[16] != '-') || text[19] != ':') {
        return false;
    }
    const auto field = [&](std::size_t at, std::size_t length) {
        const auto value = Digits(text.substr(at, length), length);
        return value ? static_cast<int>(*value) : -1;
    };
    LocalTime local;
    local.Year = field(0, 4);
    local.Month = field(5, 2);
    local.Day = field(8, 2);
    local.Hour = field(11, 2);
    local.Minute = field(14, 2);
    const int offsetHours = field(17, 2);
    const int offsetMinutes = field(20, 2);
    if (offsetHours < 0 || offsetMinutes < 0 || offsetMinutes > 59) {
        return false;
    }
    local.UtcOffsetMinutes = (text[16] == '-' ? -1 : 1) * (offsetHours * 60 + offsetMinutes);
    const auto minute = UtcMinuteOf(local);
    if (!minute) {
        return false;
    }
    record.Minute = *minute;
    record.UtcOffset = static_cast<std::int16_t>(local.UtcOffsetMinutes);
    return true;
}

std::optional<MinuteRecord> ParseRow(std::string_view line) {
    std::array<std::string_view, kColumns> fields;
    for (std::size_t i = 0; i < kColumns; ++i) {
        const std::size_t comma = line.find(',');
        if (comma == std::string_view::npos && i + 1 < kColumns) {
            return std::nullopt;
        }
        fields[i] = line.substr(0, comma);
        line = comma == std::string_view::npos ? std::string_view() : line.substr(comma + 1);
    }
    MinuteRecord r;
    if (!ParseTime(fields[0], r)) {
        return std::nullopt;
    }
    const auto loadMin = LoadField(fields[1]);
    const auto loadMean = LoadField(fields[2]);
    const auto loadMax = LoadField(fields[3]);
    std::array<std::uint32_t, 7> numbers{};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const auto value = MegabyteField(fields[4 + i]);
        if (!value) {
            return std::nullopt;
        }
        numbers[i] = *value;
    }
    if (!loadMin || !loadMean || !loadMax || numbers[6] == 0 || numbers[6] > UINT16_MAX) {
        return std::nullopt;
    }
    r.LoadMin = *loadMin;
    r.LoadMean = *loadMean;
    r.LoadMax = *loadMax;
    r.AvailMinMB = numbers[0];
    r.AvailMeanMB = numbers[1];
    r.AvailMaxMB = numbers[2];
    r.CommitMinMB = numbers[3];
    r.CommitMeanMB = numbers[4];
    r.CommitMaxMB = numbers[5];
    r.Samples = static_cast<std::uint16_t>(numbers[6]);
    if (!fields[11].empty() || !fields[12].empty()) {
        const auto before = MegabyteField(fields[11]);
        const auto after = MegabyteField(fields[12]);
        if (!before || !after) {
            return std::nullopt;
        }
        r.Marks |= kMarkTrim;
        r.TrimBeforeMB = *before;
        r.TrimAfterMB = *after;
    }
    if (fields[13] == "1") {
        r.Marks |= kMarkHighMemory;
    } else if (fields[13] != "0") {
        return std::nullopt;
    }
    if (!IsSoundMinute(r)) {
        return std::nullopt;
    }
    return r;
}

// The next whole line, without its line break; nullopt when no line break is left.
std::optional<std::string_view> NextLine(std::string_view& text) {
    const std::size_t end = text.find('\n');
    if (end == std::string_view::npos) {
        return std::nullopt;
    }
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end + 1);
    if (line.ends_with('\r')) {
        line.remove_suffix(1);
    }
    return line;
}

bool IsHeader(std::string_view line) {
    return line.starts_with(kHistoryCsvHeader) &&
           (line.size() == kHistoryCsvHeader.size() || line[kHistoryCsvHeader.size()] == ',');
}

}  // namespace

std::string HistoryCsvText(std::span<const MinuteRecord> minutes) {
    std::string text;
    text.reserve(kHistoryCsvHeader.size() + 2 + minutes.size() * 96);
    text += kHistoryCsvHeader;
    text += "\r\n";
    for (const MinuteRecord& record : minutes) {
        AppendRow(text, record);
    }
    return text;
}

std::vector<MinuteRecord> ReadHistoryCsv(std::string_view text, bool fromFileStart,
                                         std::int32_t nowMinute) {
    if (fromFileStart && text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    const auto first = NextLine(text);  // the header, or the rest of a row cut by the tail
    if (!first || (fromFileStart && !IsHeader(*first))) {
        return {};
    }
    const std::int64_t oldest = std::int64_t{nowMinute} - 1440;
    std::vector<MinuteRecord> minutes;
    while (const auto line = NextLine(text)) {
        const auto record = ParseRow(*line);
        if (record && record->Minute <= nowMinute && record->Minute > oldest) {
            minutes.push_back(*record);
        }
    }
    std::stable_sort(minutes.begin(), minutes.end(),
                     [](const auto& a, const auto& b) { return a.Minute < b.Minute; });
    std::vector<MinuteRecord> unique;
    unique.reserve(minutes.size());
    for (const MinuteRecord& record : minutes) {
        if (!unique.empty() && unique.back().Minute == record.Minute) {
            unique.back() = CombineMinutes(unique.back(), record);
        } else {
            unique.push_back(record);
        }
    }
    return unique;
}

}  // namespace orvane
