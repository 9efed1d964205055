#pragma once

#include <string>
#include <vector>

namespace orvane::win {

// This process's arguments after the program's name, split as the system splits them.
std::vector<std::wstring> CommandLineArguments();

}  // namespace orvane::win
