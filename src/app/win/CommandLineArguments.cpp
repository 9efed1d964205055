#include "app/win/CommandLineArguments.h"

#include <cstdlib>

namespace orvane::win {

std::vector<std::wstring> CommandLineArguments() {
    // The runtime splits the command line as the system does, for the wide entry point.
    std::vector<std::wstring> args;
    for (int i = 1; __wargv && i < __argc; ++i) {
        args.emplace_back(__wargv[i]);
    }
    return args;
}

}  // namespace orvane::win
