#include <gtest/gtest.h>

#include "app/core/CommandLine.h"

namespace orvane {
namespace {

TEST(ParseCommandLine, SwitchesInEitherFormAndAnyCase) {
    struct Case {
        std::vector<std::wstring> args;
        StartCommand expected;
    } cases[] = {
        {{}, StartCommand::Run},
        {{L"/trim"}, StartCommand::Trim},
        {{L"-TRIM"}, StartCommand::Trim},
        {{L"/Exit"}, StartCommand::Exit},
        {{L"-exit"}, StartCommand::Exit},
        {{L"/OPTIONS"}, StartCommand::Options},
        {{L"-options"}, StartCommand::Options},
        {{L"/?"}, StartCommand::Help},
        {{L"-?"}, StartCommand::Help},
        // Unknown: anything that is not exactly one known switch.
        {{L"/"}, StartCommand::Unknown},
        {{L"-"}, StartCommand::Unknown},
        {{L""}, StartCommand::Unknown},
        {{L"trim"}, StartCommand::Unknown},
        {{L"/trim2"}, StartCommand::Unknown},
        {{L"/tri"}, StartCommand::Unknown},
        {{L"//trim"}, StartCommand::Unknown},
        {{L"/trim "}, StartCommand::Unknown},
        {{L"/help"}, StartCommand::Unknown},
        {{L"/trim", L"/exit"}, StartCommand::Unknown},
        {{L"/exit", L"extra"}, StartCommand::Unknown},
        // Only ASCII letters fold: a look-alike (Kelvin sign, dotted capital I) is no switch.
        {{L"/EX\u0130T"}, StartCommand::Unknown},
        {{L"/\u212Aexit"}, StartCommand::Unknown},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseCommandLine(c.args), c.expected)
            << (c.args.empty() ? std::string("(none)")
                               : std::string(c.args[0].begin(), c.args[0].end()));
    }
}

TEST(RunningCopyCommandFromNumber, OnlyTheCommandNumbers) {
    EXPECT_EQ(RunningCopyCommandFromNumber(1), RunningCopyCommand::ShowRunning);
    EXPECT_EQ(RunningCopyCommandFromNumber(2), RunningCopyCommand::Trim);
    EXPECT_EQ(RunningCopyCommandFromNumber(3), RunningCopyCommand::Exit);
    EXPECT_EQ(RunningCopyCommandFromNumber(4), RunningCopyCommand::Options);
    EXPECT_EQ(RunningCopyCommandFromNumber(5), RunningCopyCommand::StillRunning);
    for (const std::uintptr_t other : {std::uintptr_t{0}, std::uintptr_t{6}, std::uintptr_t{3006},
                                       std::uintptr_t{0x100000003}, ~std::uintptr_t{0}}) {
        EXPECT_EQ(RunningCopyCommandFromNumber(other), std::nullopt) << other;
    }
}

TEST(CommandLineHelpText, NamesEverySwitchLiterally) {
    const std::wstring text = CommandLineHelpText();
    for (const wchar_t* name : {L"/trim", L"/exit", L"/options", L"/?"}) {
        EXPECT_NE(text.find(name), std::wstring::npos) << std::wstring(name).size();
    }
}

}  // namespace
}  // namespace orvane
