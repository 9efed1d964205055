#pragma once

#include <string>

namespace orvane::win {

// The strings of an executable's version resource (first translation).
struct ExeVersionData {
    std::wstring CompanyName;
    std::wstring FileDescription;
    std::wstring FileVersion;
    std::wstring InternalName;
    std::wstring LegalCopyright;
    std::wstring LegalTrademarks;
    std::wstring OriginalFileName;
    std::wstring ProductName;
    std::wstring ProductVersion;
    std::wstring Comments;
    std::wstring PrivateBuild;
    std::wstring SpecialBuild;

    bool operator==(const ExeVersionData&) const = default;
};

// All fields empty when the file cannot be read, has no version resource, or has no usable
// translation table.
ExeVersionData ReadExeVersionData(const std::wstring& FileName);

// The file version of an executable as "a.b.c.d"; an error text when the version resource
// cannot be read; empty when it has no fixed block.
std::wstring GetFileVersionText(const std::wstring& file);

}  // namespace orvane::win
