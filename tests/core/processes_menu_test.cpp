#include <gtest/gtest.h>

#include "processes/core/MenuItemLayout.h"
#include "processes/core/MenuShortCutText.h"
#include "processes/core/TrayMenuModel.h"

namespace orvane {
namespace {

// Compact picture of the menu: one letter per item.
//   T task manager, s separator (tag 0), p process separator, m memory separator,
//   P process line, M memory line, D defrag, H log, S settings, A about, E exit.
std::string Picture(const std::vector<MenuLine>& items) {
    std::string s;
    for (const auto& it : items) {
        if (it.IsSeparator()) {
            s += it.Tag == kTagProcessLine ? 'p' : it.Tag == kTagMemoryLine ? 'm' : 's';
        } else if (it.Tag == kTagProcessLine) {
            s += 'P';
        } else if (it.Tag == kTagMemoryLine) {
            s += 'M';
        } else {
            switch (it.CommandId) {
                case kCmdLaunchTaskManager:
                    s += 'T';
                    break;
                case kCmdMemoryDefragmenter:
                    s += 'D';
                    break;
                case kCmdShowLog:
                    s += 'H';
                    break;
                case kCmdMemoryHistory:
                    s += 'Y';
                    break;
                case kCmdSettings:
                    s += 'S';
                    break;
                case kCmdAbout:
                    s += 'A';
                    break;
                case kCmdClose:
                    s += 'E';
                    break;
                default:
                    s += '?';
            }
        }
    }
    return s;
}

std::vector<MenuLine> Lines(int n) {
    std::vector<MenuLine> v;
    for (int i = 0; i < n; ++i) {
        MenuLine m;
        m.Tag = kTagProcessLine;
        m.Caption = L"p" + std::to_wstring(i);
        v.push_back(m);
    }
    return v;
}

TEST(TrayMenuModel, PositionsForEveryOptionCombination) {
    const std::wstring info = L"内存: 1 GB\r\n页面文件: 2 GB";
    struct Case {
        bool top, mem;
        const char* expected;
    } cases[] = {
        {false, false, "TsDHYsSAsE"},
        {true, false, "TpPPPsDHYsSAsE"},
        {false, true, "TsMMmDHYsSAsE"},
        {true, true, "TpMMmPPPsDHYsSAsE"},
    };
    for (const auto& c : cases) {
        std::vector<MenuLine> items = FixedTrayMenuItems();
        for (int opening = 0; opening < 2; ++opening) {  // the second opening adds nothing twice
            RebuildMenuItems(items, c.top ? Lines(3) : std::vector<MenuLine>{},
                             c.mem ? MakeMemoryLines(info) : std::vector<MenuLine>{});
            EXPECT_EQ(Picture(items), c.expected) << c.top << c.mem << " opening " << opening;
        }
    }
    // Process lines keep their order; turning the lines off removes them at the next opening.
    std::vector<MenuLine> items = FixedTrayMenuItems();
    RebuildMenuItems(items, Lines(3), {});
    EXPECT_EQ(items[2].Caption, L"p0");
    EXPECT_EQ(items[4].Caption, L"p2");
    RebuildMenuItems(items, {}, {});
    EXPECT_EQ(Picture(items), "TsDHYsSAsE");
}

TEST(TrayMenuModel, MemoryLinesSplitAtFirstColon) {
    const auto lines = MakeMemoryLines(L"已用: 1 GB: x\nno colon\r\rlast\r\n");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].Caption, L"已用");
    EXPECT_EQ(lines[0].Value, L" 1 GB: x");
    EXPECT_EQ(lines[1].Caption, L"no colon");
    EXPECT_EQ(lines[1].Value, L"");
    EXPECT_EQ(lines[2].Caption, L"");
    EXPECT_EQ(lines[3].Caption, L"last");
    EXPECT_FALSE(lines[0].Enabled);
    EXPECT_EQ(lines[0].Tag, kTagMemoryLine);
    EXPECT_TRUE(MakeMemoryLines(L"").empty());
}

TEST(TrayMenuModel, ProcessLineCaptionValueHighlight) {
    ProcessRecord e;
    e.ProcessID = 42;
    e.Name = L"app.exe";
    e.ExeName = L"C:\\app.exe";
    e.MemoryUsage = 600 * 1048576LL;
    e.Tag = 3;
    const ByteSizeFormatter fmt = [](std::uint64_t) { return std::wstring(L"600 MB"); };
    ProcessLineOptions opt{
        .ShowNameInsteadOfModule = true, .ProcessValueType = 1, .HighlightProcessAbove = 500};
    MenuLine m = MakeProcessLine(e, L"The App", opt, 6000 * 1048576ULL, fmt);
    EXPECT_EQ(m.Caption, L"The App [3]");
    EXPECT_TRUE(m.bMultipleProcess);
    EXPECT_EQ(m.Value, L"600 MB (10%)");
    EXPECT_TRUE(m.bHighlight);
    EXPECT_EQ(m.ProcessID, 42u);
    EXPECT_EQ(m.Path, L"C:\\app.exe");
    EXPECT_EQ(m.Tag, kTagProcessLine);

    e.Tag = 0;
    m = MakeProcessLine(e, L"", opt, 6000 * 1048576ULL, fmt);  // no description: file name
    EXPECT_EQ(m.Caption, L"app.exe");
    EXPECT_FALSE(m.bMultipleProcess);
    opt.ShowNameInsteadOfModule = false;
    EXPECT_EQ(MakeProcessLine(e, L"The App", opt, 1, fmt).Caption, L"app.exe");
}

TEST(TrayMenuModel, DefaultItemFollowsDoubleClickAction) {
    EXPECT_EQ(DefaultCommandFor(0), kCmdLaunchTaskManager);
    EXPECT_EQ(DefaultCommandFor(1), kCmdMemoryDefragmenter);
    EXPECT_EQ(DefaultCommandFor(3), kCmdSettings);
    EXPECT_EQ(DefaultCommandFor(2), 0u);
    EXPECT_EQ(DefaultCommandFor(7), 0u);
}

TEST(MenuItemLayout, ArithmeticAt96And144Dpi) {
    EXPECT_EQ(MeasureMenuItem(true, 80, 13, 55, 96).width, 55);
    EXPECT_EQ(MeasureMenuItem(true, 80, 13, 55, 144).height, 9);
    EXPECT_EQ(MeasureMenuItem(false, 80, 13, 55, 96).width, 80 + 27 + 100);
    EXPECT_EQ(MeasureMenuItem(false, 80, 13, 55, 144).width, 80 + 40 + 150);  // 40.5 → 40
    EXPECT_EQ(MeasureMenuItem(false, 80, 13, 55, 144).height, 13 + 10);       // 10.5 → 10

    const Rect r{3, 20, 203, 40};
    EXPECT_EQ(MenuIconOrigin(r, 16, false, false, 96), (Point{7, 22}));
    EXPECT_EQ(MenuIconOrigin(r, 16, false, true, 96), (Point{9, 22}));
    EXPECT_EQ(MenuIconOrigin(r, 16, true, true, 96), (Point{8, 22}));
    EXPECT_EQ(MenuTextRect(r, false, 16, 13, 96), (Rect{29, 23, 203, 40}));
    EXPECT_EQ(MenuTextRect(r, true, 16, 13, 96), (Rect{9, 23, 203, 40}));
    EXPECT_EQ(MenuValueRect(r, 23, 50, 96), (Rect{143, 23, 193, 40}));
    EXPECT_EQ(DarkSeparatorLine(r, 96).from, (Point{28, 30}));
    EXPECT_EQ(DarkSeparatorLine(r, 96).to, (Point{206, 30}));
    EXPECT_EQ(ClassicSeparatorLine(r, 1).from, (Point{5, 31}));
    EXPECT_EQ(ThemedSeparatorRect(r, 96).left, 31);
}

TEST(MenuShortCutText, ModifiersAndKeyNames) {
    const auto layout = [](unsigned vk) { return vk == 0xBA ? std::wstring(L";") : L""; };
    struct Case {
        std::uint32_t hotKey;
        const wchar_t* expected;
    } cases[] = {
        {0, L""},
        {0x4000 | 0x8000 | 'D', L"Ctrl+Alt+D"},
        {0x2000 | 0x4000 | 0x8000 | '7', L"Shift+Ctrl+Alt+7"},
        {0x10000 | 0x4000 | 0x70, L"Ctrl+F1"},  // the Win bit is not part of the menu shortcut
        {0x8000 | 0x87, L"Alt+F24"},
        {0x2000 | 0x2E, L"Shift+Del"},
        {0x4000 | 0xBA, L"Ctrl+;"},
        {0x4000 | 0xFF, L""},  // a key without a name
        {0x4000, L""},         // modifiers alone
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MenuShortCutText(c.hotKey, layout), c.expected) << std::hex << c.hotKey;
    }
}

}  // namespace
}  // namespace orvane
