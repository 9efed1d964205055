#include "processes/core/TrayDoubleClick.h"

namespace orvane {

namespace {
constexpr std::size_t kRunDescriptionLength = 115;
}

void RunDoubleClickAction(std::int32_t doubleClickAction, const DoubleClickActions& actions) {
    const std::function<void()>* const byValue[] = {
        &actions.LaunchTaskManager,  &actions.TrimMemory,      &actions.ShowMemoryInfo,
        &actions.ShowSettings,       &actions.LockWorkStation, &actions.ShowRunDialog,
        &actions.ShowShutdownDialog, &actions.ShowDesktop,
    };
    if (doubleClickAction < 0 ||
        static_cast<std::size_t>(doubleClickAction) >= std::size(byValue)) {
        return;
    }
    if (const auto& action = *byValue[doubleClickAction]) {
        action();
    }
}

std::wstring RunDialogDescription(const std::wstring& appName) {
    std::wstring text =
        L"键入程序, 文件夹, 文档或网络资源的名称, 然后 " + appName + L" 将为您打开它.";
    if (text.size() > kRunDescriptionLength) {
        std::size_t cut = kRunDescriptionLength;
        if (text[cut - 1] >= 0xD800 && text[cut - 1] <= 0xDBFF) {
            --cut;  // the first half of a pair goes with the second
        }
        text.resize(cut);
    }
    return text;
}

}  // namespace orvane
