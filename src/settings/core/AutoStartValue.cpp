#include "settings/core/AutoStartValue.h"

#include <algorithm>
#include <cwctype>

namespace orvane {

namespace {

// Windows paths compare without regard to case.
bool SamePath(std::wstring_view a, std::wstring_view b) {
    return std::ranges::equal(a, b, [](wchar_t x, wchar_t y) {
        return std::towlower(static_cast<std::wint_t>(x)) ==
               std::towlower(static_cast<std::wint_t>(y));
    });
}

std::wstring_view Trimmed(std::wstring_view text) {
    const auto first = text.find_first_not_of(L" \t");
    if (first == std::wstring_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

}  // namespace

std::wstring AutoStartValueFor(std::wstring_view exePath) {
    return L"\"" + std::wstring(exePath) + L"\"";
}

std::wstring ProgramOfRunValue(std::wstring_view value) {
    value = Trimmed(value);
    if (!value.empty() && value.front() == L'"') {
        value.remove_prefix(1);
        return std::wstring(value.substr(0, value.find(L'"')));
    }
    return std::wstring(value);
}

AutoStartView ViewOfRunValue(const std::optional<std::wstring>& value, std::wstring_view exePath) {
    AutoStartView view;
    if (!value) {
        return view;
    }
    view.Checked = true;
    const std::wstring program = ProgramOfRunValue(*value);
    if (!SamePath(program, exePath)) {
        view.OtherCopy = program;
    }
    return view;
}

}  // namespace orvane
