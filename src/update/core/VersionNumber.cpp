#include "update/core/VersionNumber.h"

namespace orvane {

namespace {

constexpr std::size_t kMaxDigits = 18;  // always fits in 64 bits

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n';
}

std::optional<std::uint64_t> ParsePart(std::wstring_view s) {
    if (s.empty() || s.size() > kMaxDigits) {
        return std::nullopt;
    }
    std::uint64_t v = 0;
    for (const wchar_t c : s) {
        if (c < L'0' || c > L'9') {
            return std::nullopt;
        }
        v = v * 10 + static_cast<std::uint64_t>(c - L'0');
    }
    return v;
}

}  // namespace

std::optional<VersionNumber> ParseVersion(std::wstring_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    VersionNumber v{};
    for (std::size_t i = 0; i < v.size(); ++i) {
        const auto dot = text.find(L'.');
        const bool last = i + 1 == v.size();
        if (last != (dot == std::wstring_view::npos)) {
            return std::nullopt;  // too few or too many parts
        }
        const auto part = ParsePart(text.substr(0, dot));
        if (!part) {
            return std::nullopt;
        }
        v[i] = *part;
        text = last ? std::wstring_view{} : text.substr(dot + 1);
    }
    return v;
}

bool IsNewerVersion(const std::wstring& remote, const std::wstring& own) {
    const auto r = ParseVersion(remote);
    const auto o = ParseVersion(own);
    return r && o && *r > *o;
}

}  // namespace orvane
