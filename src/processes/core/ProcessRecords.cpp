#include "processes/core/ProcessRecords.h"

#include <algorithm>
#include <stdexcept>

#include "common/core/AppError.h"

namespace orvane {

namespace {

void CheckIndex(int index, int count) {
    if (index < 0 || index >= count) {
        throw std::out_of_range("process list index");
    }
}

wchar_t FoldAscii(wchar_t c) {
    return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - 32) : c;
}

}  // namespace

bool SameNameAsciiNoCase(const std::wstring& a, const std::wstring& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](wchar_t x, wchar_t y) { return FoldAscii(x) == FoldAscii(y); });
}

ProcessRecord ProcessRecords::GetProcessRec(int Index) const {
    if (Index < 0 || Index >= Count()) {
        throw AppError(L"Index out of bounds");
    }
    return list_[static_cast<size_t>(Index)];
}

void ProcessRecords::SetProcessRec(int Index, const ProcessRecord& Value) {
    CheckIndex(Index, Count());
    list_[static_cast<size_t>(Index)] = Value;
}

void ProcessRecords::Delete(int Index) {
    CheckIndex(Index, Count());
    list_.erase(list_.begin() + Index);
}

void ProcessRecords::Clear() {
    while (!list_.empty()) {
        list_.pop_back();
    }
}

bool ProcessRecords::Exists(std::uint32_t dwProcessID) const {
    int unused = 0;
    return Exists(dwProcessID, unused);
}

bool ProcessRecords::Exists(std::uint32_t dwProcessID, int& atIndex) const {
    for (int i = 0; i < Count(); ++i) {
        if (list_[static_cast<size_t>(i)].ProcessID == dwProcessID) {
            atIndex = i;
            return true;
        }
    }
    return false;
}

bool ProcessRecords::Exists(const std::wstring& Name) const {
    int unused = 0;
    return Exists(Name, unused);
}

bool ProcessRecords::Exists(const std::wstring& Name, int& atIndex) const {
    for (int i = 0; i < Count(); ++i) {
        if (SameNameAsciiNoCase(list_[static_cast<size_t>(i)].Name, Name)) {
            atIndex = i;
            return true;
        }
    }
    return false;
}

void ProcessRecords::DropIdleEntry() {
    std::erase_if(list_, [](const ProcessRecord& r) { return r.ProcessID == 0; });
}

std::wstring ProcessInfoText(const ProcessRecord& rec, const std::wstring& started) {
    const auto num = [](std::int64_t v) { return std::to_wstring(v); };
    const auto i32 = [](std::uint32_t v) { return std::to_wstring(static_cast<std::int32_t>(v)); };
    std::wstring s = L"\r\n";
    s += L"Name = " + rec.Name + L"\r\n";
    s += L"ExeName = " + rec.ExeName + L"\r\n";
    s += L"User name = " + rec.UserName + L"\r\n";
    s += L"Domain = " + rec.Domain + L"\r\n";
    s += L"Started = " + started + L"\r\n";
    s += L"Memory usage = " + num(rec.MemoryUsage) + L" bytes\r\n";
    s += L"Usage = " + i32(rec.Usage) + L"\r\n";
    s += L"Process ID = " + i32(rec.ProcessID) + L"\r\n";
    s += L"Default heap ID = " + i32(rec.DefaultHeapID) + L"\r\n";
    s += L"Module ID = " + i32(rec.ModuleID) + L"\r\n";
    s += L"Threads = " + i32(rec.ThreadCount) + L"\r\n";
    s += L"Parent process ID = " + i32(rec.ParentProcessID) + L"\r\n";
    s += L"Priority base class = " + std::to_wstring(rec.PriClassBase) + L"\r\n";
    return s;
}

}  // namespace orvane
