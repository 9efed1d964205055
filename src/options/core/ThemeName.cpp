#include "options/core/ThemeName.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace orvane {

namespace {

bool IsForbiddenInFileName(wchar_t c) {
    return c < 0x20 || std::wstring_view(L"|<>?*:/\\\"").find(c) != std::wstring_view::npos;
}

wchar_t AsciiUpper(wchar_t c) {
    return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}

bool EqualsIgnoringCase(std::wstring_view a, std::wstring_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](wchar_t x, wchar_t y) { return AsciiUpper(x) == AsciiUpper(y); });
}

// The system matches a device on the part before the first dot, without its trailing blanks.
// COM and LPT also take the superscript digits 1-3.
bool IsDeviceName(std::wstring_view name) {
    std::wstring_view stem = name.substr(0, name.find(L'.'));
    stem = stem.substr(0, stem.find_last_not_of(L' ') + 1);
    static constexpr std::array<std::wstring_view, 4> kPlain = {L"CON", L"PRN", L"AUX", L"NUL"};
    for (const auto device : kPlain) {
        if (EqualsIgnoringCase(stem, device)) {
            return true;
        }
    }
    if (stem.size() != 4) {
        return false;
    }
    const wchar_t digit = stem[3];
    const bool numbered = (digit >= L'1' && digit <= L'9') || digit == L'\u00B9' ||
                          digit == L'\u00B2' || digit == L'\u00B3';
    return numbered && (EqualsIgnoringCase(stem.substr(0, 3), L"COM") ||
                        EqualsIgnoringCase(stem.substr(0, 3), L"LPT"));
}

}  // namespace

std::wstring CleanThemeName(std::wstring name) {
    std::replace_if(name.begin(), name.end(), IsForbiddenInFileName, L'_');
    if (IsDeviceName(name)) {
        name.insert(0, 1, L'_');
    }
    if (name.size() > kMaxThemeNameLength) {
        // Never keep half of a surrogate pair.
        const bool splitsPair =
            name[kMaxThemeNameLength - 1] >= 0xD800 && name[kMaxThemeNameLength - 1] <= 0xDBFF;
        name.resize(kMaxThemeNameLength - (splitsPair ? 1 : 0));
    }
    return name;
}

}  // namespace orvane
