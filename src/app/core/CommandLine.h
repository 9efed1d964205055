#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

// What one start of the program was asked to do.
enum class StartCommand { Run, Trim, Exit, Options, Help, Unknown };

// The arguments after the program's name: none runs the program; one switch, `/name` or
// `-name` in any case, asks for the rest. Anything else is unknown.
StartCommand ParseCommandLine(const std::vector<std::wstring>& args);

// The only thing that travels between two copies: one of these numbers.
// StillRunning does nothing: a new copy asks it before it ends, to learn whether the running
// copy stays.
enum class RunningCopyCommand : std::uint32_t {
    ShowRunning = 1,
    Trim = 2,
    Exit = 3,
    Options = 4,
    StillRunning = 5,
};

// The command a received number stands for; nothing for any other number.
std::optional<RunningCopyCommand> RunningCopyCommandFromNumber(std::uintptr_t number);

// The text of the box that lists the switches.
std::wstring CommandLineHelpText();

// Exit codes for scripts.
constexpr int kExitDone = 0;
constexpr int kExitNoRunningCopy = 1;
constexpr int kExitUnknownSwitch = 2;
constexpr int kExitStillRunning = 3;  // `/exit`: the running copy did not end in time

}  // namespace orvane
