#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "processes/core/TrayMenuCommands.h"
#include "processes/win/MenuGlyphFont.h"
#include "processes/win/HotkeyShortCut.h"
#include "processes/win/MenuItemPainter.h"
#include "processes/win/TrayMenu.h"
#include "processes_fixtures.h"

namespace orvane::win {
namespace {

class FakeHost final : public TrayMenuHost {
  public:
    OrvaneOptions options;
    int mode = 0;
    const OrvaneOptions& MenuOptions() const override { return options; }
    std::uint64_t DisplayedTotal() const override { return 8ull << 30; }
    std::wstring MemoryInfoText() const override { return L"已用内存: 1 GB\r\n可用内存: 7 GB"; }
    std::wstring FormatByteSize(std::uint64_t b) const override {
        return std::to_wstring(b >> 20) + L" MB";
    }
    int GetMenuModeColor() const override { return mode; }
    ColorValue GetProcMenuHighlightColor(bool, int) const override {
        return mode == 1 ? 0x4D4D8B : 0xE7E7FB;
    }
    std::wstring HotkeyText() const override { return L"Ctrl+Alt+D"; }
    int IconSize() const override { return 16; }
    int MonitorDpi() const override { return 96; }
    bool showProtected = false;
    bool ShowProtectedProcesses() const override { return showProtected; }
};

struct Window {
    HWND hwnd =
        ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ~Window() { ::DestroyWindow(hwnd); }
};

std::string Tags(const TrayMenu& menu) {
    std::string s;
    for (const TrayMenuItem& it : menu.Items()) {
        s += it.Tag == kTagProcessLine  ? (it.IsSeparator() ? 'p' : 'P')
             : it.Tag == kTagMemoryLine ? (it.IsSeparator() ? 'm' : 'M')
                                        : (it.IsSeparator() ? 's' : 'F');
    }
    return s;
}

TEST(TrayMenu, BuildsProcessAndMemoryLinesOnceAtEveryOpening) {
    Window w;
    FakeHost host;
    host.options.TopProcessCount = 2;
    host.options.HighlightProcessAbove = 1;
    TrayMenu menu(w.hwnd, host);
    menu.InitDefaultMenu(1);
    for (int opening = 0; opening < 3; ++opening) {
        menu.PopupMenuPopup();
        EXPECT_EQ(Tags(menu), "FpMMmPPsFFFsFFsF");
        EXPECT_EQ(::GetMenuItemCount(menu.Handle()), static_cast<int>(menu.Items().size()));
    }
    const TrayMenuItem* line = menu.ProcessLine(kCmdFirstProcessLine);
    ASSERT_NE(line, nullptr);
    EXPECT_GT(line->ProcessID, 0u);
    EXPECT_TRUE(line->Value.ends_with(L" MB")) << line->Value;
    EXPECT_TRUE(line->bHighlight);
    EXPECT_EQ(menu.ProcessLine(kCmdSettings), nullptr);
    EXPECT_EQ(::GetMenuDefaultItem(menu.Handle(), FALSE, 0), kCmdMemoryDefragmenter);

    host.options.ShowTopProcess = false;
    host.options.ShowMemMenu = false;
    menu.PopupMenuPopup();
    EXPECT_EQ(Tags(menu), "FsFFFsFFsF");

    // The exit item answers its mnemonic.
    EXPECT_EQ(LOWORD(menu.MenuChar(L'e', menu.Handle())), 9);
    EXPECT_EQ(HIWORD(menu.MenuChar(L'e', menu.Handle())), MNC_EXECUTE);
}

TEST(TrayMenu, ProcessLineShowsDescriptionAndMergeCount) {
    Children children;
    const DWORD first = children.Start(FixtureDir() + kChild);
    children.Start(FixtureDir() + kChild);
    Window w;
    FakeHost host;
    host.options.TopProcessCount = 999;
    host.options.ShowNameInsteadOfModule = true;
    TrayMenu menu(w.hwnd, host);
    menu.PopupMenuPopup();
    const TrayMenuItem* line = nullptr;
    for (const TrayMenuItem& it : menu.Items()) {
        if (it.Name == kChild) {
            line = &it;
        }
    }
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->Caption, L"First description [2]");
    EXPECT_TRUE(line->bMultipleProcess);
    EXPECT_EQ(line->ProcessID, first);
    EXPECT_TRUE(line->Path.ends_with(kChild));
}

// The process query as on a system without it: the table is read by opening each process.
class MissingQuery final : public SystemInformationQuery {
  public:
    LONG Query(ULONG, void*, ULONG, ULONG*) override { return kStatusNotImplemented; }
};

// What identifies a line, sorted by process: live figures move between two snapshots, so
// the order by figure may too.
std::vector<std::wstring> LinesById(const TrayMenu& menu) {
    std::vector<std::wstring> lines;
    for (const TrayMenuItem& it : menu.Items()) {
        if (it.Tag == kTagProcessLine && !it.IsSeparator()) {
            lines.push_back(std::to_wstring(it.ProcessID) + L" " + it.Caption + L" " + it.Path +
                            (it.bMultipleProcess ? L" merged" : L""));
        }
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

TEST(TrayMenu, OneCallAndTheFallbackShowTheSameLines) {
    Children children;
    children.Start(FixtureDir() + kChild);
    children.Start(FixtureDir() + kChild);
    Window w;
    FakeHost host;
    host.options.TopProcessCount = 999;  // every process: no line depends on a moving figure
    MissingQuery missing;
    for (bool unify : {true, false}) {
        for (bool page : {false, true}) {
            host.options.UnifyProcesses = unify;
            host.options.ShowPage = page;
            TrayMenu oneCall(w.hwnd, host);
            TrayMenu fallback(w.hwnd, host, missing);
            oneCall.PopupMenuPopup();
            fallback.PopupMenuPopup();
            const std::vector<std::wstring> lines = LinesById(oneCall);
            EXPECT_GE(lines.size(), unify ? 2u : 3u);
            EXPECT_EQ(lines, LinesById(fallback)) << "unify " << unify << " page " << page;
            EXPECT_TRUE(oneCall.Snapshot().TookOneCall());
            EXPECT_FALSE(fallback.Snapshot().TookOneCall());
        }
    }
}

TEST(HotkeyShortCutText, NamesFromTheKeyboardLayout) {
    EXPECT_EQ(HotkeyShortCutText(0x4000 | 0x8000 | 'D'), L"Ctrl+Alt+D");
    EXPECT_EQ(HotkeyShortCutText(0), L"");
    const std::wstring numpad = HotkeyShortCutText(0x4000 | VK_MULTIPLY);
    EXPECT_TRUE(numpad.starts_with(L"Ctrl+") && numpad.size() > 5) << numpad;
}

TEST(MenuGlyphFont, RegistersTheCarriedFontForThisProcess) {
    MenuGlyphFont glyphs;
    ASSERT_TRUE(glyphs.Registered());
    UniqueFont font = glyphs.Create(20);
    UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    SelectObjectGuard select(dc.get(), font.get());
    wchar_t face[LF_FACESIZE] = {};
    ::GetTextFaceW(dc.get(), LF_FACESIZE, face);
    EXPECT_STREQ(face, L"Material Icons");
    WORD index[4] = {};
    ASSERT_EQ(::GetGlyphIndicesW(dc.get(), L"\xE94D\xE5CD\xE8B8\xE896", 4, index,
                                 GGI_MARK_NONEXISTING_GLYPHS),
              4u);
    for (WORD i : index) {
        EXPECT_NE(i, 0xFFFF);
    }
}

// Paints `item` into a 200 x 24 bitmap and returns it for inspection.
struct Canvas {
    UniqueMemoryDc dc{::CreateCompatibleDC(nullptr)};
    UniqueBitmap bmp;
    Canvas() {
        WindowDc screen(nullptr);
        bmp.reset(::CreateCompatibleBitmap(screen.get(), 200, 24));
        ::SelectObject(dc.get(), bmp.get());
    }
    void Paint(const TrayMenuItem& item, const MenuPaintContext& ctx, UINT state = 0) {
        DRAWITEMSTRUCT dis{};
        dis.CtlType = ODT_MENU;
        dis.hDC = dc.get();
        dis.rcItem = {0, 0, 200, 24};
        dis.itemState = state;
        DrawMenuItem(dis, item, ctx, 13);
    }
    COLORREF At(int x, int y) const { return ::GetPixel(dc.get(), x, y); }
    bool AnyInSquare(int x0, int y0, int size, COLORREF c) const {
        for (int y = y0; y < y0 + size; ++y) {
            for (int x = x0; x < x0 + size; ++x) {
                if (At(x, y) == c) {
                    return true;
                }
            }
        }
        return false;
    }
};

TEST(MenuItemPainter, DarkUnstyledColoursGlyphAndHighlight) {
    MenuGlyphFont glyphs;
    UniqueFont glyphFont = glyphs.Create(16);
    UniqueFont font(
        ::CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma"));
    MenuPaintContext ctx;
    ctx.dark = true;
    ctx.styled = false;
    ctx.highlight = RGB(139, 77, 77);
    ctx.font = ctx.boldFont = font.get();
    ctx.glyphFont = glyphFont.get();

    Canvas canvas;
    TrayMenuItem heavy;
    heavy.Tag = kTagProcessLine;
    heavy.Caption = L"heavy.exe";
    heavy.Value = L"900 MB";
    heavy.bHighlight = true;
    heavy.NoIcon = true;
    canvas.Paint(heavy, ctx);
    EXPECT_EQ(canvas.At(199, 0), RGB(139, 77, 77));

    ctx.styled = true;  // styled, but no theme data needed for a dark separator
    TrayMenuItem sep;
    sep.Caption = L"-";
    canvas.Paint(sep, ctx);
    EXPECT_EQ(canvas.At(150, 0), RGB(57, 63, 63));
    EXPECT_EQ(canvas.At(150, 12), ::GetSysColor(COLOR_3DDKSHADOW));

    TrayMenuItem exitItem;
    exitItem.Caption = L"退出(&E)";
    exitItem.GlyphIndex = 1;
    canvas.Paint(exitItem, ctx);
    EXPECT_EQ(canvas.At(199, 0), RGB(57, 63, 63));
    EXPECT_TRUE(canvas.AnyInSquare(5, 4, 16, RGB(255, 255, 255)));  // glyph in the text colour
}

TEST(MenuItemPainter, DefaultItemMeasuresBold) {
    UniqueFont regular(
        ::CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma"));
    UniqueFont bold(
        ::CreateFontW(-12, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma"));
    MenuPaintContext ctx;
    ctx.font = regular.get();
    ctx.boldFont = bold.get();
    UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    TrayMenuItem item;
    item.Caption = L"Settings Settings";
    UINT w1 = 0, h1 = 0, w2 = 0, h2 = 0;
    int textHeight = 0;
    MeasureMenuItem(dc.get(), item, ctx, w1, h1, textHeight);
    EXPECT_EQ(static_cast<int>(h1), textHeight + 7);
    item.IsDefault = true;
    MeasureMenuItem(dc.get(), item, ctx, w2, h2, textHeight);
    EXPECT_GT(w2, w1);
    EXPECT_GT(w1, 127u);  // caption + 27 + 100
}

}  // namespace
}  // namespace orvane::win
