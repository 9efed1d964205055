#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace orvane {

// One argument of FormatText: a text or a whole number.
struct FormatArg {
    FormatArg(std::wstring text) : value(std::move(text)) {}
    FormatArg(const wchar_t* text) : value(std::wstring(text ? text : L"")) {}
    FormatArg(std::int64_t number) : value(number) {}
    FormatArg(int number) : value(static_cast<std::int64_t>(number)) {}
    FormatArg(unsigned number) : value(static_cast<std::int64_t>(number)) {}

    std::variant<std::wstring, std::int64_t> value;
};

// Fills the placeholders "%s", "%d", "%u", "%x" of `pattern` with `args` in order; "%%" is a
// percent sign. A placeholder without an argument, or of the wrong kind, stays as written, so
// a bad pattern never reads past the arguments.
std::wstring FormatText(const std::wstring& pattern, const std::vector<FormatArg>& args);

}  // namespace orvane
