#pragma once

#include <string>

namespace orvane {

// An extension as a file name ends with it: empty stays empty, anything else is trimmed of
// blanks and starts with one ".".
std::wstring NormalizeExtension(const std::wstring& extension);

// "TMP" + five digits + the normalized extension. The digits are the fourth to eighth decimal
// places of `dayFraction` (the time of day as a fraction of 24 hours, so they change about every
// millisecond), moved on by `attempt` so that repeated tries within one tick differ.
std::wstring TempFileNameAt(double dayFraction, unsigned attempt, const std::wstring& extension);

}  // namespace orvane
