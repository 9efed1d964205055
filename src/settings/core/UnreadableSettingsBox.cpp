#include "settings/core/UnreadableSettingsBox.h"

namespace orvane {

MessageBoxBuilder UnreadableSettingsBox(const std::wstring& path) {
    return NewMsgBox(L"无法读取设置文件")
        .Text(
            L"该文件存在, 但无法读取, 可能正被其他程序使用. Orvane 将使用默认设置运行, "
            L"并且在本次运行期间不会写入该文件, 以免覆盖您的设置.")
        .Warning()
        .Footer(L"设置文件: \"" + path + L"\"", kIconInformation);
}

}  // namespace orvane
