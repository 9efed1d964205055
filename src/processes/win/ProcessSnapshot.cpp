#include "processes/win/ProcessSnapshot.h"

#include <span>

#include "processes/core/ProcessInformationChain.h"
#include "processes/win/ToolhelpProcessTable.h"

namespace orvane::win {

namespace {

// The records are read in the 64-bit system's layout.
static_assert(sizeof(void*) == 8);

// Enough for a few dozen processes; a larger table grows the buffer once and keeps it.
constexpr std::size_t kFirstBytes = 16 * 1024;
// More than any real table needs: an answer asking for more is not believed.
constexpr std::size_t kMostBytes = 64 * 1024 * 1024;
// Processes start between two calls; a table still outgrowing the buffer after this many
// tries is left to the slow way.
constexpr int kTries = 8;

}  // namespace

ProcessSnapshot::ProcessSnapshot() : ProcessSnapshot(SystemInformation()) {}

ProcessSnapshot::ProcessSnapshot(SystemInformationQuery& query) : query_(query) {}

std::vector<ProcessTableEntry> ProcessSnapshot::Take() {
    std::optional<std::vector<ProcessTableEntry>> table = TakeInOneCall();
    oneCall_ = table.has_value();
    return oneCall_ ? std::move(*table) : ProcessTableByToolhelp();
}

std::optional<std::vector<ProcessTableEntry>> ProcessSnapshot::TakeInOneCall() {
    if (buffer_.empty()) {
        buffer_.resize(kFirstBytes / sizeof(std::uint64_t));
    }
    for (int i = 0; i < kTries; ++i) {
        const std::size_t size = buffer_.size() * sizeof(std::uint64_t);
        ULONG returned = 0;
        const LONG status = query_.Query(kSystemProcessInformation, buffer_.data(),
                                         static_cast<ULONG>(size), &returned);
        if (status == kStatusInfoLengthMismatch) {
            // The length asked for, with room for processes that start before the next try.
            const std::size_t wanted = returned > size ? returned + returned / 8 : 2 * size;
            if (wanted > kMostBytes) {
                return std::nullopt;
            }
            buffer_.resize((wanted + sizeof(std::uint64_t) - 1) / sizeof(std::uint64_t));
            continue;
        }
        if (status != kStatusSuccess || returned > size) {
            return std::nullopt;
        }
        const std::span<const std::uint8_t> bytes(
            reinterpret_cast<const std::uint8_t*>(buffer_.data()), returned);
        return ParseProcessInformationChain(bytes, reinterpret_cast<std::uintptr_t>(bytes.data()));
    }
    return std::nullopt;
}

}  // namespace orvane::win
