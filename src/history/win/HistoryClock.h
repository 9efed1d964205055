#pragma once

#include <cstdint>

#include "history/core/CivilTime.h"

namespace orvane::win {

// Where the history takes its time from; the program uses the system's clocks, tests a fake.
class HistoryClock {
  public:
    virtual ~HistoryClock() = default;
    // Milliseconds since the system started; never goes back.
    virtual std::uint64_t TickMs() = 0;
    // The wall clock's minute with its offset from UTC.
    virtual LocalTime Now() = 0;
    // The wall clock in milliseconds since 1970 UTC.
    virtual std::int64_t EpochMs() = 0;
};

class SystemHistoryClock final : public HistoryClock {
  public:
    std::uint64_t TickMs() override;
    LocalTime Now() override;
    std::int64_t EpochMs() override;
};

}  // namespace orvane::win
