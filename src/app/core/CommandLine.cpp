#include "app/core/CommandLine.h"

namespace orvane {

namespace {

std::wstring Lower(std::wstring text) {
    for (wchar_t& c : text) {
        // Only ASCII letters fold: a switch is plain ASCII, so no locale decides what matches.
        if (c >= L'A' && c <= L'Z') {
            c = static_cast<wchar_t>(c - L'A' + L'a');
        }
    }
    return text;
}

}  // namespace

StartCommand ParseCommandLine(const std::vector<std::wstring>& args) {
    if (args.empty()) {
        return StartCommand::Run;
    }
    if (args.size() > 1 || args[0].size() < 2 || (args[0][0] != L'/' && args[0][0] != L'-')) {
        return StartCommand::Unknown;
    }
    const std::wstring name = Lower(args[0].substr(1));
    if (name == L"trim") {
        return StartCommand::Trim;
    }
    if (name == L"exit") {
        return StartCommand::Exit;
    }
    if (name == L"options") {
        return StartCommand::Options;
    }
    if (name == L"?") {
        return StartCommand::Help;
    }
    return StartCommand::Unknown;
}

std::optional<RunningCopyCommand> RunningCopyCommandFromNumber(std::uintptr_t number) {
    switch (number) {
        case static_cast<std::uintptr_t>(RunningCopyCommand::ShowRunning):
            return RunningCopyCommand::ShowRunning;
        case static_cast<std::uintptr_t>(RunningCopyCommand::Trim):
            return RunningCopyCommand::Trim;
        case static_cast<std::uintptr_t>(RunningCopyCommand::Exit):
            return RunningCopyCommand::Exit;
        case static_cast<std::uintptr_t>(RunningCopyCommand::Options):
            return RunningCopyCommand::Options;
        case static_cast<std::uintptr_t>(RunningCopyCommand::StillRunning):
            return RunningCopyCommand::StillRunning;
        default:
            return std::nullopt;
    }
}

std::wstring CommandLineHelpText() {
    return L"用法: Orvane.exe [开关]\n"
           L"\n"
           L"不带开关: 启动 Orvane; 已在运行时只显示提示.\n"
           L"/trim\t整理所有进程的内存一次 (没有正在运行的 Orvane 时由本次启动整理).\n"
           L"/exit\t让正在运行的 Orvane 退出, 并等待它结束 (最多 10 秒).\n"
           L"/options\t打开正在运行的 Orvane 的选项 (没有时先启动 Orvane).\n"
           L"/?\t显示此帮助.\n"
           L"\n"
           L"开关不区分大小写, 也可以用 - 代替 /.\n"
           L"退出代码: 0 成功; 1 /exit 时没有正在运行的 Orvane; 2 未知的开关;\n"
           L"3 正在运行的 Orvane 在 10 秒内没有退出.";
}

}  // namespace orvane
