#include "processes/win/MenuItemPainter.h"

#include <vssym32.h>

#include "processes/core/MenuItemLayout.h"
#include "processes/core/TrayMenuCommands.h"
#include "processes/win/MenuGlyphFont.h"

namespace orvane::win {

namespace {

constexpr UINT kTextFlags = DT_HIDEPREFIX | DT_TABSTOP | DT_EXPANDTABS;
// DT_TABSTOP's tab length shares bits with DT_CALCRECT, so measuring goes without it.
constexpr UINT kMeasureFlags = DT_CALCRECT | DT_HIDEPREFIX | DT_EXPANDTABS;
constexpr COLORREF kDarkBackground = RGB(57, 63, 63);
constexpr int kObmCheck = 32760;  // OBM_CHECK, declared only under OEMRESOURCE

RECT ToRect(const Rect& r) {
    return {r.left, r.top, r.right, r.bottom};
}
Rect FromRect(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

void FillSolid(HDC dc, const RECT& r, COLORREF color) {
    UniqueBrush brush(::CreateSolidBrush(color));
    ::FillRect(dc, &r, brush.get());
}

void Line(HDC dc, const LineSegment& s, COLORREF color) {
    UniquePen pen(::CreatePen(PS_SOLID, 1, color));
    SelectObjectGuard select(dc, pen.get());
    ::MoveToEx(dc, s.from.x, s.from.y, nullptr);
    ::LineTo(dc, s.to.x, s.to.y);
}

int TextWidth(HDC dc, const std::wstring& text) {
    RECT r{0, 0, 0, 0};
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, kMeasureFlags);
    return r.right - r.left;
}

void DrawSeparator(HDC dc, const Rect& r, const MenuPaintContext& ctx) {
    if (ctx.styled && ctx.vista && ctx.dark) {
        Line(dc, DarkSeparatorLine(r, ctx.dpi), ::GetSysColor(COLOR_3DDKSHADOW));
    } else if (ctx.styled && ctx.vista) {
        RECT sr = ToRect(ThemedSeparatorRect(r, ctx.dpi));
        ::DrawThemeBackground(ctx.theme, dc, MENU_POPUPSEPARATOR, 0, &sr, nullptr);
    } else if (ctx.styled) {
        Line(dc, ClassicSeparatorLine(r, 0), ::GetSysColor(COLOR_BTNSHADOW));
    } else {
        Line(dc, ClassicSeparatorLine(r, 0), ::GetSysColor(COLOR_BTNSHADOW));
        Line(dc, ClassicSeparatorLine(r, 1), ::GetSysColor(COLOR_BTNHIGHLIGHT));
    }
}

// Fills what the item's state asks for and returns its text colour.
COLORREF PaintItemBackground(HDC dc, const RECT& rc, const TrayMenuItem& item, bool selected,
                             bool enabled, const MenuPaintContext& ctx) {
    if (ctx.styled && ctx.vista) {
        if (selected && enabled) {
            if (ctx.dark) {
                FillSolid(dc, rc, ::GetSysColor(COLOR_3DDKSHADOW));
                return ::GetSysColor(COLOR_HIGHLIGHTTEXT);
            }
            ::DrawThemeBackground(ctx.theme, dc, MENU_POPUPITEM, MPI_HOT, &rc, nullptr);
            COLORREF c = ::GetSysColor(COLOR_MENUTEXT);
            ::GetThemeColor(ctx.theme, MENU_POPUPITEM, MPI_HOT, TMT_TEXTCOLOR, &c);
            return c;
        }
        if (enabled || item.Tag == kTagMemoryLine) {
            return ctx.dark ? RGB(255, 255, 255) : ::GetSysColor(COLOR_MENUTEXT);
        }
        return ctx.dark ? RGB(255, 0, 0) : ::GetSysColor(COLOR_BTNSHADOW);
    }
    if (selected && enabled) {
        FillSolid(dc, rc, ::GetSysColor(COLOR_HIGHLIGHT));
        return ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    }
    const bool heavy = item.Tag == kTagProcessLine && item.bHighlight;
    FillSolid(dc, rc, heavy ? ctx.highlight : ::GetSysColor(COLOR_MENU));
    return enabled ? ::GetSysColor(COLOR_MENUTEXT) : ::GetSysColor(COLOR_BTNSHADOW);
}

void DrawCheckMark(HDC dc, const RECT& rc, bool enabled, int iconY, const MenuPaintContext& ctx) {
    if (ctx.styled && ctx.vista) {
        RECT cr{rc.left, rc.top, rc.left + 24, rc.bottom};
        ::DrawThemeBackground(ctx.theme, dc, MENU_POPUPCHECKBACKGROUND,
                              enabled ? MCB_NORMAL : MCB_DISABLED, &cr, nullptr);
        ::DrawThemeBackground(ctx.theme, dc, MENU_POPUPCHECK,
                              enabled ? MC_CHECKMARKNORMAL : MC_CHECKMARKDISABLED, &cr, nullptr);
        return;
    }
    UniqueBitmap check(::LoadBitmapW(nullptr, MAKEINTRESOURCEW(kObmCheck)));
    BITMAP bm{};
    if (!check || !::GetObjectW(check.get(), sizeof(bm), &bm)) {
        return;
    }
    UniqueMemoryDc mem(::CreateCompatibleDC(dc));
    SelectObjectGuard select(mem.get(), check.get());
    ::TransparentBlt(dc, rc.left + bm.bmWidth / 2 + 1, iconY, bm.bmWidth, bm.bmHeight, mem.get(), 0,
                     0, bm.bmWidth, bm.bmHeight, RGB(255, 255, 255));
}

void DrawRightColumn(HDC dc, const RECT& rc, int textTop, const std::wstring& text, int dpi) {
    RECT vr = ToRect(MenuValueRect(FromRect(rc), textTop, TextWidth(dc, text), dpi));
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &vr, kTextFlags | DT_RIGHT);
}

}  // namespace

void MeasureMenuItem(HDC dc, const TrayMenuItem& item, const MenuPaintContext& ctx, UINT& width,
                     UINT& height, int& textHeight) {
    if (item.IsSeparator()) {
        const MenuItemSize s =
            orvane::MeasureMenuItem(true, 0, 0, static_cast<int>(width), ctx.dpi);
        height = static_cast<UINT>(s.height);
        return;
    }
    SelectObjectGuard select(dc, item.IsDefault ? ctx.boldFont : ctx.font);
    RECT aa{0, 0, 0, 0};
    ::DrawTextW(dc, L"AA", 2, &aa, kMeasureFlags);
    textHeight = aa.bottom - aa.top;
    const MenuItemSize s =
        orvane::MeasureMenuItem(false, TextWidth(dc, item.Caption), textHeight, 0, ctx.dpi);
    width = static_cast<UINT>(s.width);
    height = static_cast<UINT>(s.height);
}

void DrawMenuItem(const DRAWITEMSTRUCT& dis, const TrayMenuItem& item, const MenuPaintContext& ctx,
                  int textHeight) {
    HDC dc = dis.hDC;
    const RECT rc = dis.rcItem;
    const Rect r = FromRect(rc);
    const bool selected = (dis.itemState & ODS_SELECTED) != 0;
    const bool enabled = item.Enabled && (dis.itemState & (ODS_DISABLED | ODS_GRAYED)) == 0;

    if (ctx.styled && !ctx.dark) {
        ::DrawThemeBackground(ctx.theme, dc, MENU_POPUPBACKGROUND, 0, &rc, nullptr);
    } else if (ctx.dark) {
        FillSolid(dc, rc, kDarkBackground);
    }
    if (item.Tag == kTagProcessLine && item.bHighlight) {
        FillSolid(dc, rc, ctx.highlight);
    }
    if (item.IsSeparator()) {
        DrawSeparator(dc, r, ctx);
        return;
    }
    const COLORREF textColor = PaintItemBackground(dc, rc, item, selected, enabled, ctx);

    const bool isGlyph = item.Tag != kTagProcessLine && item.Tag != kTagTaskManager;
    const Point icon = MenuIconOrigin(r, ctx.iconSize, isGlyph, ctx.dark, ctx.dpi);
    HICON picture = nullptr;
    if (item.Tag == kTagProcessLine) {
        picture = item.NoIcon || !item.hIcon ? ctx.appIcon : item.hIcon->get();
    } else if (item.Tag == kTagTaskManager) {
        picture = ctx.taskManagerIcon;
    }
    if (picture) {
        ::DrawIconEx(dc, icon.x, icon.y, picture, ctx.iconSize, ctx.iconSize, 0, nullptr,
                     DI_NORMAL);
    } else if (isGlyph && item.GlyphIndex >= 0) {
        DrawMenuGlyph(dc, ctx.glyphFont, item.GlyphIndex, icon.x, icon.y, ctx.iconSize, textColor);
    }
    if (dis.itemState & ODS_CHECKED) {
        DrawCheckMark(dc, rc, enabled, icon.y, ctx);
    }

    SelectObjectGuard select(dc, item.IsDefault ? ctx.boldFont : ctx.font);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, textColor);
    RECT tr =
        ToRect(MenuTextRect(r, item.Tag == kTagMemoryLine, ctx.iconSize, textHeight, ctx.dpi));
    ::DrawTextW(dc, item.Caption.c_str(), static_cast<int>(item.Caption.size()), &tr,
                kTextFlags | DT_VCENTER);
    if ((item.Tag == kTagMemoryLine || item.Tag == kTagProcessLine) && !item.Value.empty()) {
        DrawRightColumn(dc, rc, tr.top, item.Value, ctx.dpi);
    }
    if (!item.ShortCutText.empty()) {
        DrawRightColumn(dc, rc, tr.top, item.ShortCutText, ctx.dpi);
    }
}

}  // namespace orvane::win
