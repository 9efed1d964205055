#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "processes/core/ProcessRecord.h"

namespace orvane {

// The ordered entries of a process list and the look-ups over them. The snapshot itself is
// taken by the Windows side (ProcessList), which fills this container.
class ProcessRecords {
  public:
    int Count() const { return static_cast<int>(list_.size()); }
    // A copy of the entry; AppError "Index out of bounds" outside 0..Count-1.
    ProcessRecord GetProcessRec(int Index) const;
    void SetProcessRec(int Index, const ProcessRecord& Value);
    void Delete(int Index);
    void Clear();
    void Append(ProcessRecord rec) { list_.push_back(std::move(rec)); }

    bool Exists(std::uint32_t dwProcessID) const;
    bool Exists(std::uint32_t dwProcessID, int& atIndex) const;
    // Names compare ignoring the case of A to Z only.
    bool Exists(const std::wstring& Name) const;
    bool Exists(const std::wstring& Name, int& atIndex) const;

    // Drops the snapshot's idle entry (process ID 0) wherever it stands; real processes stay.
    void DropIdleEntry();

    std::vector<ProcessRecord>& Entries() { return list_; }
    const std::vector<ProcessRecord>& Entries() const { return list_; }

  private:
    std::vector<ProcessRecord> list_;
};

// Compares ignoring the case of the letters A to Z only.
bool SameNameAsciiNoCase(const std::wstring& a, const std::wstring& b);

// The multi-line dump of an entry; `started` is StartDateTime already in the user's format.
std::wstring ProcessInfoText(const ProcessRecord& rec, const std::wstring& started);

}  // namespace orvane
