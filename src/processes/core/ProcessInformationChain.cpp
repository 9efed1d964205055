#include "processes/core/ProcessInformationChain.h"

#include <cstring>

namespace orvane {

namespace {

using Layout = ProcessInformationLayout;

// A field in the machine's byte order; the caller has checked that it lies in `bytes`.
template <typename T>
T Read(std::span<const std::uint8_t> bytes, std::size_t at) {
    T value;
    std::memcpy(&value, bytes.data() + at, sizeof(T));
    return value;
}

// The UTF-16 name at `pointer`, up to its first NUL; false when it lies outside the bytes.
bool ReadName(std::span<const std::uint8_t> bytes, std::uint64_t address, std::uint64_t pointer,
              std::size_t length, std::wstring& name) {
    name.clear();
    if (length == 0) {
        return true;
    }
    if (pointer == 0 || length % 2 != 0 || pointer < address) {
        return false;
    }
    const std::uint64_t at = pointer - address;
    if (at > bytes.size() || length > bytes.size() - at) {
        return false;
    }
    for (std::size_t i = 0; i < length; i += 2) {
        const auto unit = static_cast<wchar_t>(Read<std::uint16_t>(bytes, at + i));
        if (unit == L'\0') {
            break;
        }
        name.push_back(unit);
    }
    return true;
}

bool FitsProcessId(std::uint64_t value) {
    return value <= 0xFFFFFFFFu;
}

}  // namespace

std::optional<std::vector<ProcessTableEntry>> ParseProcessInformationChain(
    std::span<const std::uint8_t> bytes, std::uint64_t address) {
    std::vector<ProcessTableEntry> entries;
    std::size_t at = 0;
    for (;;) {
        if (at > bytes.size() || bytes.size() - at < Layout::kRecordSize) {
            return std::nullopt;
        }
        const std::span<const std::uint8_t> record = bytes.subspan(at, Layout::kRecordSize);
        const auto pid = Read<std::uint64_t>(record, Layout::kUniqueProcessId);
        const auto parent = Read<std::uint64_t>(record, Layout::kInheritedFromUniqueProcessId);
        if (!FitsProcessId(pid) || !FitsProcessId(parent)) {
            return std::nullopt;
        }
        ProcessTableEntry e;
        e.ProcessID = static_cast<std::uint32_t>(pid);
        e.ParentProcessID = static_cast<std::uint32_t>(parent);
        if (!ReadName(bytes, address, Read<std::uint64_t>(record, Layout::kImageNameBuffer),
                      Read<std::uint16_t>(record, Layout::kImageNameLength), e.Name)) {
            return std::nullopt;
        }
        e.CreationTime = Read<std::uint64_t>(record, Layout::kCreateTime);
        e.WorkingSetSize = Read<std::uint64_t>(record, Layout::kWorkingSetSize);
        e.PagefileUsage = Read<std::uint64_t>(record, Layout::kPagefileUsage);
        e.ThreadCount = Read<std::uint32_t>(record, Layout::kNumberOfThreads);
        e.BasePriority = Read<std::int32_t>(record, Layout::kBasePriority);
        entries.push_back(std::move(e));

        const auto next = Read<std::uint32_t>(record, Layout::kNextEntryOffset);
        if (next == 0) {
            return entries;
        }
        // Each record follows the whole of the one before: the walk always ends.
        if (next < Layout::kRecordSize) {
            return std::nullopt;
        }
        at += next;
    }
}

}  // namespace orvane
