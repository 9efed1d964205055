#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// A program version: four whole numbers, most significant first.
using VersionNumber = std::array<std::uint64_t, 4>;

// "a.b.c.d" with each part 1–18 decimal digits (blanks around the whole text are ignored);
// anything else, including signs, empty parts or another number of parts, is unreadable.
std::optional<VersionNumber> ParseVersion(std::wstring_view text);

// Whether `remote` names a later version than `own`, part by part. False when either is
// unreadable.
bool IsNewerVersion(const std::wstring& remote, const std::wstring& own);

}  // namespace orvane
