#include "monitor/core/LowMemoryDialog.h"

namespace orvane {

MessageBoxBuilder LowMemoryDialogBox(const std::wstring& title, const std::wstring& text,
                                     bool* dontShowAgain) {
    return NewMsgBox(title)
        .Text(text)
        .Warning()
        .Verification(L"不再显示此警告", dontShowAgain)
        .AddButton(L"整理内存(&D)", kLowMemoryDefragButton)
        .AddButton(L"任务管理器(&T)", kLowMemoryTaskManagerButton)
        .AddButton(L"关闭(&C)", kLowMemoryCloseButton);
}

void RunLowMemoryDialog(OrvaneOptions& options, const std::wstring& title, const std::wstring& text,
                        const LowMemoryDialogActions& actions) {
    bool dontShowAgain = false;
    actions.ForceForeground();
    MessageBoxBuilder box = LowMemoryDialogBox(title, text, &dontShowAgain);
    const int result = actions.Execute(box);
    options.WarnMsgBox = !dontShowAgain;
    if (result == kLowMemoryDefragButton) {
        if (!options.DefragOnHighMemory) {
            actions.TrimAllWorkingSets();
        }
    } else if (result == kLowMemoryTaskManagerButton) {
        actions.LaunchTaskManager();
    }
}

}  // namespace orvane
