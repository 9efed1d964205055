#include "common/core/VersionText.h"

#include <optional>
#include <vector>

namespace orvane {

namespace {

std::vector<std::wstring> SplitAtDots(const std::wstring& text) {
    std::vector<std::wstring> parts;
    std::wstring::size_type start = 0;
    for (;;) {
        const auto dot = text.find(L'.', start);
        parts.push_back(text.substr(start, dot - start));
        if (dot == std::wstring::npos) {
            return parts;
        }
        start = dot + 1;
    }
}

// A whole number as the version parts hold it; a part that is not one makes the text unusable.
std::optional<long long> ParseWhole(const std::wstring& s) {
    if (s.empty() || s.size() > 18) {  // 18 digits always fit in 64 bits
        return std::nullopt;
    }
    long long v = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const wchar_t c = s[i];
        if (i == 0 && (c == L'-' || c == L'+') && s.size() > 1) {
            continue;
        }
        if (c < L'0' || c > L'9') {
            return std::nullopt;
        }
        v = v * 10 + (c - L'0');
    }
    return s[0] == L'-' ? -v : v;
}

}  // namespace

std::wstring FormatVersionText(const std::wstring& text, bool shortForm) {
    const auto parts = SplitAtDots(text);
    if (parts.size() != 4) {
        return {};
    }
    long long n[4];
    for (int i = 0; i < 4; ++i) {
        const auto v = ParseWhole(parts[static_cast<std::size_t>(i)]);
        if (!v) {
            return {};
        }
        n[i] = *v;
    }
    std::wstring result = std::to_wstring(n[0]) + L"." + std::to_wstring(n[1]);
    if (n[2] > 0) {
        result += std::to_wstring(n[2]);
    }
    if (n[3] > 0) {
        result += L" SR" + std::to_wstring(n[3]);
        if (!shortForm) {
            result += L" (Service Release " + std::to_wstring(n[3]) + L")";
        }
    }
    return result;
}

std::wstring FileVersionToText(std::uint32_t versionMS, std::uint32_t versionLS) {
    return std::to_wstring(versionMS >> 16) + L"." + std::to_wstring(versionMS & 0xFFFF) + L"." +
           std::to_wstring(versionLS >> 16) + L"." + std::to_wstring(versionLS & 0xFFFF);
}

bool IsSupportedWindows(bool ntPlatform, std::uint32_t major, std::uint32_t minor) {
    return ntPlatform && ((major == 6 && minor >= 1) || major > 6);
}

}  // namespace orvane
