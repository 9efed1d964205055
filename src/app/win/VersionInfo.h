#pragma once

#include <string>

namespace orvane::win {

// The file version of an executable as "a.b.c.d"; an error text when the version resource
// cannot be read; empty when it has no fixed block.
std::wstring GetFileVersionText(const std::wstring& file);

}  // namespace orvane::win
