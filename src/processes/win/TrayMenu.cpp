#include "processes/win/TrayMenu.h"

#include <shellapi.h>
#include <versionhelpers.h>

#include <algorithm>
#include <cwctype>

#include "processes/core/TopProcessSelection.h"
#include "processes/core/TrayMenuModel.h"
#include "common/win/VersionResource.h"
#include "processes/win/OpenedProcessAccess.h"
#include "processes/win/ProcessList.h"
#include "common/win/Window.h"
#include "common/win/WindowDpi.h"

namespace orvane::win {

namespace {

std::wstring WindowsPath(const wchar_t* relative) {
    wchar_t dir[MAX_PATH] = {};
    const UINT n = ::GetWindowsDirectoryW(dir, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) {
        return {};
    }
    return std::wstring(dir, n) + L"\\" + relative;
}

// Enough for the lines of several openings with the default number of lines.
constexpr std::size_t kProcessIconCacheSize = 64;

// The small icon only: the menu never shows the large one, so it is not made at all.
UniqueIcon SmallIconOf(const std::wstring& file, int index) {
    if (file.empty()) {
        return UniqueIcon();
    }
    HICON small = nullptr;
    const UINT extracted = ::ExtractIconExW(file.c_str(), index, nullptr, &small, 1);
    // With nothing extracted the handle holds no icon (Wine may leave junk in it).
    return UniqueIcon(extracted > 0 ? small : nullptr);
}

COLORREF ToColorRef(ColorValue c) {
    if (IsSystemColor(c)) {
        return ::GetSysColor(SystemColorIndex(c));
    }
    return static_cast<COLORREF>(static_cast<std::uint32_t>(c) & 0xFFFFFFu);
}

std::vector<TrayMenuItem> FixedItems() {
    std::vector<TrayMenuItem> items;
    for (MenuLine& line : FixedTrayMenuItems()) {
        TrayMenuItem item;
        static_cast<MenuLine&>(item) = std::move(line);
        items.push_back(std::move(item));
    }
    return items;
}

}  // namespace

TrayMenu::TrayMenu(HWND owner, TrayMenuHost& host) : TrayMenu(owner, host, SystemInformation()) {}

TrayMenu::TrayMenu(HWND owner, TrayMenuHost& host, SystemInformationQuery& query)
    : owner_(owner),
      host_(host),
      menu_(::CreatePopupMenu()),
      items_(FixedItems()),
      snapshot_(query),
      imagePaths_(query),
      processIcons_(kProcessIconCacheSize,
                    [](const std::wstring& path) { return SmallIconOf(path, 0); }) {
    Repopulate();
}

void TrayMenu::LoadMenuImages() {
    if (glyphs_) {
        return;
    }
    appIcon_ = ::IsWindowsVistaOrGreater() ? SmallIconOf(WindowsPath(L"System32\\User32.dll"), 0)
                                           : SmallIconOf(WindowsPath(L"System32\\Shell32.dll"), 2);
    taskManagerIcon_ = SmallIconOf(WindowsPath(L"System32\\taskmgr.exe"), 0);
    glyphs_.emplace();
}

TrayMenu::~TrayMenu() {
    if (theme_) {
        ::CloseThemeData(theme_);
    }
}

void TrayMenu::Popup(POINT screenPoint) {
    if (building_) {
        return;  // a second right-click while the first one still builds
    }
    PopupMenuPopup();
    // Foreground first, or the menu would not close when the user clicks elsewhere.
    ::SetForegroundWindow(owner_);
    const UINT align = ::GetSystemMetrics(SM_MENUDROPALIGNMENT) ? TPM_RIGHTALIGN : TPM_LEFTALIGN;
    ::TrackPopupMenuEx(menu_.get(), TPM_RIGHTBUTTON | TPM_BOTTOMALIGN | align, screenPoint.x,
                       screenPoint.y, owner_, nullptr);
    ::PostMessageW(owner_, WM_NULL, 0, 0);
}

void TrayMenu::PopupMenuPopup() {
    building_ = true;
    ScopeExit done([this] { building_ = false; });
    const OrvaneOptions& o = host_.MenuOptions();
    // Last opening's lines go first, so that their icons are not held through the build.
    RebuildMenuItems(items_, {}, {});
    Repopulate();
    std::vector<TrayMenuItem> processLines;
    if (o.ShowTopProcess) {
        processLines = BuildProcessLines();
    }
    std::vector<TrayMenuItem> memoryLines;
    if (o.ShowMemMenu) {
        memoryLines = BuildMemoryLines();
    }
    RebuildMenuItems(items_, std::move(processLines), std::move(memoryLines));
    const std::wstring hotkey = host_.HotkeyText();
    for (TrayMenuItem& item : items_) {
        item.IsDefault = defaultCommand_ != 0 && item.CommandId == defaultCommand_;
        if (item.CommandId == kCmdMemoryDefragmenter) {
            item.ShortCutText = hotkey;
        }
    }
    PrepareDrawing();
    Repopulate();
}

std::vector<TrayMenuItem> TrayMenu::BuildProcessLines() {
    // The tick and others may run during a long build; each look at the queue costs a round trip.
    constexpr ULONGLONG kPumpAfterMs = 50;
    ULONGLONG lastPump = ::GetTickCount64();
    const std::vector<ProcessRecord> top = TopProcessRecords();
    FitIconCacheToIconSize();
    std::vector<TrayMenuItem> lines;
    for (size_t i = 0; i < top.size(); ++i) {
        if (::GetTickCount64() - lastPump >= kPumpAfterMs) {
            ProcessPendingMessages();
            lastPump = ::GetTickCount64();
        }
        lines.push_back(MakeProcessItem(top[i], static_cast<unsigned>(i)));
    }
    return lines;
}

std::vector<ProcessRecord> TrayMenu::TopProcessRecords() {
    const OrvaneOptions& o = host_.MenuOptions();
    constexpr int kMaxLines = kCmdLastProcessLine - kCmdFirstProcessLine + 1;
    const TopProcessOptions options{o.ShowPage, o.UnifyProcesses,
                                    std::min(o.TopProcessCount, kMaxLines),
                                    host_.ShowProtectedProcesses()};
    const std::vector<ProcessTableEntry> table = snapshot_.Take();
    processAccess_.Follow(table);
    return SelectTopProcesses(table, options, processAccess_);
}

void TrayMenu::FitIconCacheToIconSize() {
    if (processIconSize_ != host_.IconSize()) {
        processIcons_.Clear();  // the system's small icons may have another size now
        processIconSize_ = host_.IconSize();
    }
}

TrayMenuItem TrayMenu::MakeProcessItem(const ProcessRecord& e, unsigned index) {
    const OrvaneOptions& o = host_.MenuOptions();
    const ProcessLineOptions lineOptions{o.ShowNameInsteadOfModule, o.ProcessValueType,
                                         o.HighlightProcessAbove};
    const ByteSizeFormatter format = [this](std::uint64_t b) { return host_.FormatByteSize(b); };
    // The description is only shown on request; skip the resource read otherwise.
    const std::wstring description =
        o.ShowNameInsteadOfModule ? ReadExeVersionData(e.ExeName).FileDescription : L"";
    TrayMenuItem item;
    static_cast<MenuLine&>(item) =
        MakeProcessLine(e, description, lineOptions, host_.DisplayedTotal(), format);
    item.CommandId = kCmdFirstProcessLine + index;
    item.hIcon = processIcons_.Get(item.Path);
    item.NoIcon = !item.hIcon;
    // Asked only when such processes are listed; otherwise every line was opened already.
    item.Unopenable = host_.ShowProtectedProcesses() && !processAccess_.CanOpen(e.ProcessID);
    return item;
}

std::vector<TrayMenuItem> TrayMenu::BuildMemoryLines() const {
    std::vector<TrayMenuItem> lines;
    for (MenuLine& line : MakeMemoryLines(host_.MemoryInfoText())) {
        TrayMenuItem item;
        static_cast<MenuLine&>(item) = std::move(line);
        lines.push_back(std::move(item));
    }
    return lines;
}

void TrayMenu::PrepareDrawing() {
    LoadMenuImages();
    if (theme_) {
        ::CloseThemeData(theme_);
        theme_ = nullptr;
    }
    if (::IsThemeActive() && ::IsAppThemed()) {
        theme_ = ::OpenThemeData(owner_, L"MENU");
    }
    paint_.dark = host_.GetMenuModeColor() == 1;
    paint_.styled = theme_ != nullptr;
    paint_.vista = ::IsWindowsVistaOrGreater();
    paint_.theme = theme_;
    paint_.highlight = ToColorRef(host_.GetProcMenuHighlightColor(false, 0));
    paint_.iconSize = host_.IconSize();
    paint_.dpi = host_.MonitorDpi();
    paint_.appIcon = appIcon_.get();
    paint_.taskManagerIcon = taskManagerIcon_.get();

    LOGFONTW lf = NonClientMetricsForDpi(paint_.dpi).lfMenuFont;
    font_.reset(::CreateFontIndirectW(&lf));
    lf.lfWeight = FW_BOLD;
    boldFont_.reset(::CreateFontIndirectW(&lf));
    glyphFont_ = glyphs_->Create(paint_.iconSize);
    paint_.font = font_.get();
    paint_.boldFont = boldFont_.get();
    paint_.glyphFont = glyphFont_.get();
}

void TrayMenu::Repopulate() {
    HMENU menu = menu_.get();
    while (::GetMenuItemCount(menu) > 0) {
        ::RemoveMenu(menu, 0, MF_BYPOSITION);
    }
    UINT position = 0;
    for (TrayMenuItem& item : items_) {
        if (IsHidden(item)) {
            continue;
        }
        MENUITEMINFOW mii{};
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_DATA;
        mii.fType = MFT_OWNERDRAW | (item.IsSeparator() ? MFT_SEPARATOR : 0u);
        mii.fState =
            (item.Enabled ? MFS_ENABLED : MFS_DISABLED) | (item.IsDefault ? MFS_DEFAULT : 0u);
        mii.wID = item.CommandId;
        mii.dwItemData = reinterpret_cast<ULONG_PTR>(&item);
        ::InsertMenuItemW(menu, position++, TRUE, &mii);
    }
}

void TrayMenu::InitDefaultMenu(int doubleClickAction) {
    defaultCommand_ = DefaultCommandFor(doubleClickAction);
    for (TrayMenuItem& item : items_) {
        item.IsDefault = defaultCommand_ != 0 && item.CommandId == defaultCommand_;
    }
    Repopulate();
}

void TrayMenu::SetItemVisible(unsigned commandId, bool visible) {
    std::erase(hiddenCommands_, commandId);
    if (!visible) {
        hiddenCommands_.push_back(commandId);
    }
    Repopulate();
}

void TrayMenu::RemoveTaggedItems(int tag) {
    std::erase_if(items_, [tag](const TrayMenuItem& it) { return it.Tag == tag; });
    Repopulate();
}

const TrayMenuItem* TrayMenu::ItemOf(ULONG_PTR data) const {
    for (const TrayMenuItem& item : items_) {
        if (reinterpret_cast<ULONG_PTR>(&item) == data) {
            return &item;
        }
    }
    return nullptr;
}

bool TrayMenu::MeasureItem(MEASUREITEMSTRUCT& mis) {
    if (mis.CtlType != ODT_MENU) {
        return false;
    }
    const TrayMenuItem* item = ItemOf(mis.itemData);
    if (!item) {
        return false;
    }
    if (!paint_.font) {
        PrepareDrawing();
    }
    WindowDc dc(owner_);
    MeasureMenuItem(dc.get(), *item, paint_, mis.itemWidth, mis.itemHeight, textHeight_);
    return true;
}

bool TrayMenu::DrawItem(const DRAWITEMSTRUCT& dis) {
    if (dis.CtlType != ODT_MENU) {
        return false;
    }
    const TrayMenuItem* item = ItemOf(dis.itemData);
    if (!item) {
        return false;
    }
    const int saved = ::SaveDC(dis.hDC);
    DrawMenuItem(dis, *item, paint_, textHeight_);
    ::RestoreDC(dis.hDC, saved);
    return true;
}

LRESULT TrayMenu::MenuChar(wchar_t ch, HMENU menu) const {
    if (menu != menu_.get()) {
        return 0;
    }
    const wint_t wanted = std::towupper(ch);
    WORD position = 0;  // positions in the menu, where hidden items have none
    for (const TrayMenuItem& item : items_) {
        if (IsHidden(item)) {
            continue;
        }
        const std::wstring& caption = item.Caption;
        const size_t amp = caption.find(L'&');
        if (amp != std::wstring::npos && amp + 1 < caption.size() &&
            std::towupper(caption[amp + 1]) == wanted && item.Enabled) {
            return MAKELRESULT(position, MNC_EXECUTE);
        }
        ++position;
    }
    return 0;
}

bool TrayMenu::IsHidden(const TrayMenuItem& item) const {
    return std::find(hiddenCommands_.begin(), hiddenCommands_.end(), item.CommandId) !=
           hiddenCommands_.end();
}

const TrayMenuItem* TrayMenu::ProcessLine(UINT commandId) const {
    if (commandId < kCmdFirstProcessLine || commandId > kCmdLastProcessLine) {
        return nullptr;
    }
    for (const TrayMenuItem& item : items_) {
        if (item.Tag == kTagProcessLine && item.CommandId == commandId) {
            return &item;
        }
    }
    return nullptr;
}

void TrayMenu::FreeIconsFromMenu() {
    RemoveTaggedItems(kTagProcessLine);
}

}  // namespace orvane::win
