#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// The value "Orvane" in the current user's Run key: the installer writes the same one, so the
// program and the installer agree on whether it starts with Windows.
inline constexpr std::wstring_view kAutoStartValueName = L"Orvane";

// What the Run value holds for the executable at `exePath`: its path in quotes.
std::wstring AutoStartValueFor(std::wstring_view exePath);

// The executable a Run value starts: the quoted part, or the whole text when it has no quotes.
std::wstring ProgramOfRunValue(std::wstring_view value);

// How the dialog shows the Run value: ticked while there is one; `OtherCopy` names the
// executable when it is not this one (another copy of the program, an old install).
struct AutoStartView {
    bool Checked = false;
    std::optional<std::wstring> OtherCopy;
};

AutoStartView ViewOfRunValue(const std::optional<std::wstring>& value, std::wstring_view exePath);

}  // namespace orvane
