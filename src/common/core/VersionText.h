#pragma once

#include <cstdint>
#include <string>

namespace orvane {

// "4.1.2.3" → "4.12 SR3" (short) or "4.12 SR3 (Service Release 3)". Anything that is not four
// dot-separated whole numbers gives an empty text.
std::wstring FormatVersionText(const std::wstring& text, bool shortForm);

// The four 16-bit parts of a file version, most significant first, as "a.b.c.d".
std::wstring FileVersionToText(std::uint32_t versionMS, std::uint32_t versionLS);

// Windows 7 or later on the NT platform family.
bool IsSupportedWindows(bool ntPlatform, std::uint32_t major, std::uint32_t minor);

}  // namespace orvane
