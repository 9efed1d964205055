#include "processes/core/TrayMenuModel.h"

#include "settings/core/DefaultMenuItem.h"

namespace orvane {

namespace {

MenuLine Fixed(const wchar_t* caption, unsigned id, int tag, int glyph) {
    MenuLine m;
    m.Caption = caption;
    m.CommandId = id;
    m.Tag = tag;
    m.GlyphIndex = glyph;
    return m;
}

}  // namespace

MenuLine MakeSeparator(int tag, unsigned commandId) {
    MenuLine m;
    m.Caption = L"-";
    m.Tag = tag;
    m.CommandId = commandId;
    return m;
}

std::vector<MenuLine> FixedTrayMenuItems() {
    return {
        Fixed(L"启动任务管理器(&T)", kCmdLaunchTaskManager, kTagTaskManager, -1),
        MakeSeparator(0, kCmdSeparatorN1),
        Fixed(L"内存碎片整理(&D)", kCmdMemoryDefragmenter, 0, 0),
        Fixed(L"高内存使用率日志(&H)", kCmdShowLog, 0, 3),
        Fixed(L"内存历史(&M)...", kCmdMemoryHistory, 0, -1),
        MakeSeparator(0, kCmdSeparatorN2),
        Fixed(L"设置(&S)", kCmdSettings, 0, 2),
        Fixed(L"关于(&A)", kCmdAbout, 0, -1),
        MakeSeparator(0, kCmdSeparatorN3),
        Fixed(L"退出(&E)", kCmdClose, 0, 1),
    };
}

unsigned DefaultCommandFor(std::int32_t doubleClickAction) {
    switch (DefaultMenuItemFor(doubleClickAction)) {
        case DefaultMenuItem::LaunchTaskManager:
            return kCmdLaunchTaskManager;
        case DefaultMenuItem::Defragment:
            return kCmdMemoryDefragmenter;
        case DefaultMenuItem::Settings:
            return kCmdSettings;
        case DefaultMenuItem::None:
            break;
    }
    return 0;
}

MenuLine MakeProcessLine(const ProcessRecord& e, const std::wstring& fileDescription,
                         const ProcessLineOptions& options, std::uint64_t displayedTotal,
                         const ByteSizeFormatter& formatByteSize) {
    MenuLine m;
    m.ProcessID = e.ProcessID;
    m.CreationTime = e.CreationTime;
    m.Name = e.Name;
    m.Path = e.ExeName;
    m.Caption =
        options.ShowNameInsteadOfModule && !fileDescription.empty() ? fileDescription : e.Name;
    if (e.Tag > 0) {
        m.Caption += L" [" + std::to_wstring(e.Tag) + L"]";
        m.bMultipleProcess = true;
    }
    m.Value =
        ProcessValueText(e.MemoryUsage, displayedTotal, options.ProcessValueType, formatByteSize);
    m.bHighlight = IsHeavyProcess(e.MemoryUsage, options.HighlightProcessAbove);
    m.Tag = kTagProcessLine;
    return m;
}

std::vector<MenuLine> MakeMemoryLines(const std::wstring& memoryInfoText) {
    std::vector<MenuLine> lines;
    size_t pos = 0;
    const size_t n = memoryInfoText.size();
    while (pos < n) {
        size_t end = memoryInfoText.find_first_of(L"\r\n", pos);
        if (end == std::wstring::npos) {
            end = n;
        }
        const std::wstring line = memoryInfoText.substr(pos, end - pos);
        MenuLine m;
        m.Tag = kTagMemoryLine;
        m.Enabled = false;
        const size_t colon = line.find(L':');
        m.Caption = colon == std::wstring::npos ? line : line.substr(0, colon);
        if (colon != std::wstring::npos) {
            m.Value = line.substr(colon + 1);
        }
        lines.push_back(std::move(m));
        pos = end;
        if (pos < n && memoryInfoText[pos] == L'\r') {
            ++pos;
            if (pos < n && memoryInfoText[pos] == L'\n') {
                ++pos;
            }
        } else if (pos < n) {
            ++pos;
        }
    }
    return lines;
}

}  // namespace orvane
