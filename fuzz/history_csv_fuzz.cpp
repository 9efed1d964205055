// The history file is the user's: any bytes must read without a fault, what they read as must
// be a sound day of minutes, and that must write and read back unchanged.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzSupport.h"
#include "history/core/HistoryCsv.h"
#include "history/core/MemoryHistory.h"

namespace {

using namespace orvane;
using fuzz::Require;

// 2025-03-30 08:00 UTC+8.
constexpr std::int32_t kNow = 29054880;

void Check(std::string_view text, bool fromFileStart) {
    const auto minutes = ReadHistoryCsv(text, fromFileStart, kNow);
    Require(minutes.size() <= 1440);
    for (std::size_t i = 0; i < minutes.size(); ++i) {
        Require(IsSoundMinute(minutes[i]));
        Require(minutes[i].Minute <= kNow && minutes[i].Minute > kNow - 1440);
        Require(i == 0 || minutes[i - 1].Minute < minutes[i].Minute);
    }
    Require(ReadHistoryCsv(HistoryCsvText(minutes), true, kNow) == minutes);

    // What the program does with them: they join a running history.
    MemoryHistory history;
    history.RestoreMinutes(minutes);
    history.AddTick({0, LocalTimeOf(kNow, 480)}, MemorySnapshot{});
    Require(history.Minutes().size() <= 1440);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Check(text, true);
    Check(text, false);
    return 0;
}
