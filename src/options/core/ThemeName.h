#pragma once

#include <cstddef>
#include <string>

namespace orvane {

// The longest theme name kept; longer names are cut to it.
inline constexpr std::size_t kMaxThemeNameLength = 255;

// A theme name the user typed, made fit to be a file name whose listed name equals it: the
// characters | < > ? * : / \ " and control characters become "_", the name is cut to 255
// characters, and a name the system reads as a device (CON, PRN, AUX, NUL, COM1-9, LPT1-9, alone
// or before a dot) gets a leading "_" so that saving never writes to a device. Trailing dots and
// blanks stay: the file name goes on with ".Orvane Theme", so the file system keeps them.
// Empty only for an empty name.
std::wstring CleanThemeName(std::wstring name);

}  // namespace orvane
