#pragma once

#include <windows.h>

#include <uxtheme.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "common/win/Handles.h"
#include "processes/win/MenuGlyphFont.h"
#include "processes/win/MenuItemPainter.h"
#include "processes/win/OpenedProcessAccess.h"
#include "processes/win/ProcessIconCache.h"
#include "processes/win/ProcessImagePaths.h"
#include "processes/win/ProcessSnapshot.h"
#include "processes/win/TrayMenuItem.h"
#include "processes/win/TrayMenuHost.h"

namespace orvane::win {

// The tray icon's owner-drawn context menu. The main window owns it and forwards its
// right-click, WM_MEASUREITEM, WM_DRAWITEM, WM_MENUCHAR and WM_COMMAND to it.
class TrayMenu {
  public:
    TrayMenu(HWND owner, TrayMenuHost& host);
    // `query` answers the process table and image paths (tests put in one that fails).
    TrayMenu(HWND owner, TrayMenuHost& host, SystemInformationQuery& query);
    ~TrayMenu();
    TrayMenu(const TrayMenu&) = delete;
    TrayMenu& operator=(const TrayMenu&) = delete;

    HMENU Handle() const { return menu_.get(); }

    // Rebuilds the menu and shows it at `screenPoint` (signed screen coordinates, any
    // monitor); returns when it closes. The chosen command arrives as WM_COMMAND.
    void Popup(POINT screenPoint);

    // Rebuilds the variable items: process lines and memory-summary lines.
    void PopupMenuPopup();

    // Marks the bold item for a double-click action.
    void InitDefaultMenu(int doubleClickAction);

    // Shows or hides a fixed item (the log command exists only while a log is written).
    void SetItemVisible(unsigned commandId, bool visible);

    // Takes out the items with this tag (process or memory lines and their separators).
    void RemoveTaggedItems(int tag);

    // Return true when the message was for this menu.
    bool MeasureItem(MEASUREITEMSTRUCT& mis);
    bool DrawItem(const DRAWITEMSTRUCT& dis);
    // Mnemonics of owner-drawn items; returns the WM_MENUCHAR result, or 0 for none.
    LRESULT MenuChar(wchar_t ch, HMENU menu) const;

    // The process line behind a WM_COMMAND ID, or null.
    const TrayMenuItem* ProcessLine(UINT commandId) const;

    // Removes the process lines and their icons.
    void FreeIconsFromMenu();

    const std::vector<TrayMenuItem>& Items() const { return items_; }

    // The process table the menu reads, for others that take one too (its buffer is kept).
    ProcessSnapshot& Snapshot() { return snapshot_; }

  private:
    std::vector<TrayMenuItem> BuildProcessLines();
    std::vector<ProcessRecord> TopProcessRecords();
    TrayMenuItem MakeProcessItem(const ProcessRecord& e, unsigned index);
    void FitIconCacheToIconSize();
    std::vector<TrayMenuItem> BuildMemoryLines() const;
    void PrepareDrawing();
    void LoadMenuImages();
    void Repopulate();
    const TrayMenuItem* ItemOf(ULONG_PTR data) const;
    bool IsHidden(const TrayMenuItem& item) const;

    HWND owner_;
    TrayMenuHost& host_;
    UniqueMenu menu_;
    std::vector<TrayMenuItem> items_;
    std::vector<unsigned> hiddenCommands_;
    unsigned defaultCommand_ = 0;
    bool building_ = false;
    // Kept between openings: the snapshot's buffer and the path look-up's drive map.
    ProcessSnapshot snapshot_;
    ProcessImagePaths imagePaths_;
    OpenedProcessAccess processAccess_{imagePaths_};

    // Loaded at the first opening: a menu that is never opened costs no memory for them.
    std::optional<MenuGlyphFont> glyphs_;
    UniqueIcon appIcon_;
    UniqueIcon taskManagerIcon_;
    UniqueFont font_;
    UniqueFont boldFont_;
    UniqueFont glyphFont_;
    ProcessIconCache processIcons_;
    int processIconSize_ = 0;
    HTHEME theme_ = nullptr;
    MenuPaintContext paint_;
    int textHeight_ = 13;
};

}  // namespace orvane::win
