#include "history/core/WindowPlaceValue.h"

#include <array>
#include <cstdint>

namespace orvane {

namespace {

constexpr std::int32_t kMaxCoordinate = 32767;

std::wstring_view Trimmed(std::wstring_view text) {
    while (!text.empty() && text.front() == L' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == L' ') {
        text.remove_suffix(1);
    }
    return text;
}

// A signed decimal whole number of at most five digits.
std::optional<std::int32_t> ParseCoordinate(std::wstring_view text) {
    text = Trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == L'-' || text.front() == L'+')) {
        negative = text.front() == L'-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 5) {
        return std::nullopt;
    }
    std::int32_t value = 0;
    for (const wchar_t c : text) {
        if (c < L'0' || c > L'9') {
            return std::nullopt;
        }
        value = value * 10 + (c - L'0');
    }
    if (value > kMaxCoordinate) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

}  // namespace

std::wstring WindowPlaceText(const Rect& place) {
    return std::to_wstring(place.left) + L"," + std::to_wstring(place.top) + L"," +
           std::to_wstring(place.Width()) + L"," + std::to_wstring(place.Height());
}

std::optional<Rect> ParseWindowPlace(std::wstring_view text) {
    std::array<std::int32_t, 4> values{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::size_t comma = text.find(L',');
        if ((comma == std::wstring_view::npos) != (i == values.size() - 1)) {
            return std::nullopt;  // fewer or more than four numbers
        }
        const auto value = ParseCoordinate(text.substr(0, comma));
        if (!value) {
            return std::nullopt;
        }
        values[i] = *value;
        text = comma == std::wstring_view::npos ? std::wstring_view() : text.substr(comma + 1);
    }
    const auto [x, y, width, height] = values;
    if (width < 1 || height < 1) {
        return std::nullopt;
    }
    return Rect{x, y, x + width, y + height};
}

}  // namespace orvane
