#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "common/core/DpiScale.h"
#include "common/win/Handles.h"
#include "dialogs_probe.h"
#include "options/core/PickerColors.h"
#include "options/win/OptionsDialog.h"
#include "processes/core/TrayMenuCommands.h"
#include "settings/core/ColorText.h"
#include "settings/core/SettingsSchema.h"
#include "settings/win/ProfileFile.h"
#include "options_recording_host.h"
#include "settings_test_folder.h"

namespace orvane::win {
namespace {

std::wstring TextOf(HWND h) {
    wchar_t buf[512] = {};
    ::GetWindowTextW(h, buf, 512);
    return buf;
}

bool Checked(HWND box) {
    return ::SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Click(HWND control) {
    ::SendMessageW(control, BM_CLICK, 0, 0);
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> v;
    for (HWND c = ::GetWindow(parent, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
        v.push_back(c);
    }
    return v;
}

std::wstring ClassOf(HWND h) {
    wchar_t buf[64] = {};
    ::GetClassNameW(h, buf, 64);
    return buf;
}

class OptionsDialogTest : public ::testing::Test {
  protected:
    void Open(bool toThemes = false) {
        form = std::make_unique<OptionsDialog>(host);
        ASSERT_TRUE(form->Create(nullptr, toThemes));
    }
    SettingsTestFolder folder;
    RecordingHost host{folder.Path()};
    std::unique_ptr<OptionsDialog> form;
};

TEST_F(OptionsDialogTest, EveryCaptionOfTheFiveTabs) {
    Open();
    EXPECT_EQ(TextOf(form->Handle()), L"Orvane 设置");
    std::vector<std::wstring> tabs;
    for (int i = 0; i < TabCtrl_GetItemCount(form->Tabs); ++i) {
        wchar_t buf[32] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = buf;
        item.cchTextMax = 32;
        TabCtrl_GetItem(form->Tabs, i, &item);
        tabs.push_back(buf);
    }
    EXPECT_EQ(tabs, (std::vector<std::wstring>{L"一般", L"附加", L"托盘菜单", L"显示", L"主题"}));
    // Each caption on its own control: a caption on the wrong one, or one missing where the
    // same text is used twice, shows here.
    const std::pair<HWND, const wchar_t*> expected[] = {
        {form->BtnOk, L"确定(&O)"},
        {form->BtnCancel, L"取消(&C)"},
        {form->btnApply, L"应用(&A)"},
        // General.
        {form->CkShowPage, L"显示页面文件而不是物理内存"},
        {form->CkShowFree, L"显示可用内存而不是已用内存"},
        {form->CkShowPercentage, L"显示百分比而不是实际值"},
        {form->LabelWarnings, L"警告"},
        {form->LabelBarColors, L"当内存高于特定值时更改条形颜色:"},
        {form->LabelYellow, L"黄:"},
        {form->LabelYellowUnit, L"%"},
        {form->LabelRed, L"红"},
        {form->LabelRedUnit, L"%"},
        {form->LinkThemes, L"可在 <a>主题部分</a> 自定义条形颜色"},
        {form->LabelHighMemory, L"高内存使用率 (当内存高于 90%):"},
        {form->CkWarn, L"显示通知"},
        {form->CheckDefragOnHighMem, L"整理内存"},
        {form->CkWarnMsgBox, L"显示消息框"},
        {form->CkLogFile, L"写入日志文件"},
        // Extra.
        {form->LabelTimedDefrag, L"定时整理"},
        {form->CheckDefragEveryActive, L"整理, 每隔:"},
        {form->LabelDefragMinutes, L"分钟"},
        {form->LabelHotKey, L"整理热键:"},
        {form->LabelHotKeyNote, L"按 \"del\" 键禁用 \"播放/停止\" 热键"},
        {form->LabelAdvanced, L"高级"},
        {form->LabelMili, L"托盘信息刷新率:"},
        {form->LabelMiliUnit, L"毫秒"},
        {form->LabelMillisecondsNote, L"* 1000 毫秒 = 1 秒"},
        {form->LabelResetMili, L"<a>默认值</a>"},
        {form->LabelDoubleClick, L"双击托盘:"},
        {form->CheckMonitor, L"当锁定计算机时关闭显示器"},
        // Tray menu.
        {form->LabelProcesses, L"进程"},
        {form->CkShowTop, L"当右键点击托盘图标时, 显示内存占用最高的进程."},
        {form->LabelProcs, L"显示数量:"},
        {form->LabelProcessValue, L"当前显示:"},
        {form->CheckHighlightProcess, L"高亮显示进程, 当内存值高于:"},
        {form->LabelRamUnit, L"MB"},
        {form->CheckShowProcessName, L"显示进程名称而不是模块名称"},
        {form->CkUnifyProcs, L"统一相同进程"},
        {form->LabelMore, L"更多"},
        {form->CkShowMemMenu, L"显示当前内存信息"},
        {form->CkDisplayHint, L"在托盘中显示值"},
        // Display.
        {form->LabelFont, L"字体"},
        {form->FontPanel, L"(内部字体)"},
        {form->BtnSetFont, L"字体(&F)"},
        {form->ckInternalFont, L"使用内部字体优化结果"},
        {form->CkDigitsColored, L"使用条形颜色作为字体颜色"},
        {form->LabelAppearance, L"外观"},
        {form->CheckTransparent, L"透明背景"},
        {form->CkBarBottom, L"底部栏"},
        {form->CheckFullBar, L"不透明栏"},
        {form->CkShowPercSign, L"显示 % 符号"},
        {form->CheckStandardBar, L"标准栏"},
        {form->LabelWarningScale, L"* 内部字体在当前缩放设置中不可用"},
        // Themes.
        {form->LabelThemes, L"主题:"},
        {form->BtnSaveAs, L"另存为(&S)"},
        {form->BtnDeleteTheme, L"删除(&D)"},
        {form->LabelColors, L"显示项目:"}};
    for (const auto& [control, caption] : expected) {
        EXPECT_EQ(TextOf(control), caption);
    }
    // The drop-down lists and the colour list.
    const auto items = [](HWND list, UINT count, UINT get) {
        std::vector<std::wstring> v;
        const auto n = static_cast<int>(::SendMessageW(list, count, 0, 0));
        for (int i = 0; i < n; ++i) {
            wchar_t buf[128] = {};
            ::SendMessageW(list, get, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buf));
            v.push_back(buf);
        }
        return v;
    };
    EXPECT_EQ(items(form->CmbDoubleClick, CB_GETCOUNT, CB_GETLBTEXT),
              (std::vector<std::wstring>{L"启动任务管理器 (默认)", L"整理内存", L"内存信息",
                                         L"显示设置", L"锁定工作站", L"运行程序",
                                         L"关闭 Windows 对话框", L"显示桌面"}));
    EXPECT_EQ(items(form->ComboProcessValue, CB_GETCOUNT, CB_GETLBTEXT),
              (std::vector<std::wstring>{L"内存值", L"内存值和百分比", L"百分比"}));
    EXPECT_EQ(items(form->CmbDarkMode, CB_GETCOUNT, CB_GETLBTEXT),
              (std::vector<std::wstring>{L"自动", L"亮", L"暗"}));
    EXPECT_EQ(items(form->LbColors, LB_GETCOUNT, LB_GETTEXT),
              (std::vector<std::wstring>{L"菜单 - 颜色模式", L"菜单 - 顶部进程高亮显示颜色",
                                         L"图标托盘 - 文本", L"图标托盘 - 背景", L"图标栏 - 背景",
                                         L"图标栏 - \"正常/绿色\"", L"图标栏 - \"黄色\"",
                                         L"图标栏 - \"红色\""}));
}

TEST_F(OptionsDialogTest, OpensOnTheThemesTabWhenAsked) {
    Open(true);
    EXPECT_EQ(form->ActiveTab(), 4);
    ::ShowWindow(form->Handle(), SW_SHOWNA);
    EXPECT_TRUE(::IsWindowVisible(form->LbColors));
    EXPECT_FALSE(::IsWindowVisible(form->EditMili.Edit()));  // on the second tab
    form = nullptr;
    Open(false);
    EXPECT_EQ(form->ActiveTab(), 0);
    NMLINK link{};
    link.hdr.hwndFrom = form->LinkThemes;
    link.hdr.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(form->LinkThemes));
    link.hdr.code = NM_CLICK;
    ::SendMessageW(form->Handle(), WM_NOTIFY, link.hdr.idFrom, reinterpret_cast<LPARAM>(&link));
    EXPECT_EQ(form->ActiveTab(), 4);
}

TEST_F(OptionsDialogTest, DependentControlsFollowTheirBoxes) {
    host.options.DefragEveryActive = false;
    Open();
    EXPECT_FALSE(::IsWindowEnabled(form->WinSpinDefragEveryActive.Edit()));
    Click(form->CheckDefragEveryActive);
    EXPECT_TRUE(::IsWindowEnabled(form->WinSpinDefragEveryActive.Edit()));
    EXPECT_TRUE(::IsWindowEnabled(form->LabelDefragMinutes));

    EXPECT_TRUE(::IsWindowEnabled(form->CkShowPage));
    EXPECT_FALSE(::IsWindowEnabled(form->CkShowPercSign));
    Click(form->CkShowPercentage);
    EXPECT_FALSE(::IsWindowEnabled(form->CkShowPage));
    EXPECT_TRUE(::IsWindowEnabled(form->CkShowPercSign));

    ASSERT_TRUE(Checked(form->CheckHighlightProcess) && Checked(form->CkUnifyProcs));
    Click(form->CkShowTop);
    for (HWND c : {form->CheckHighlightProcess, form->CheckShowProcessName, form->CkUnifyProcs}) {
        EXPECT_FALSE(::IsWindowEnabled(c));
        EXPECT_FALSE(Checked(c));
    }
    EXPECT_FALSE(::IsWindowEnabled(form->EditProcs.Edit()));
    EXPECT_FALSE(::IsWindowEnabled(form->ComboProcessValue));
    EXPECT_FALSE(::IsWindowEnabled(form->EditProcsRam.Edit()));
    Click(form->CkShowTop);
    EXPECT_TRUE(::IsWindowEnabled(form->CheckHighlightProcess));
    EXPECT_FALSE(::IsWindowEnabled(form->EditProcsRam.Edit()));  // the highlight stays off
    Click(form->CheckHighlightProcess);
    EXPECT_TRUE(::IsWindowEnabled(form->EditProcsRam.Edit()));

    // No lid and no battery here: switching the display off stays ticked without a warning.
    Click(form->CheckMonitor);
    EXPECT_TRUE(Checked(form->CheckMonitor));

    Click(form->CkShowMemMenu);
    EXPECT_FALSE(::IsWindowEnabled(form->CkDisplayHint));
    EXPECT_FALSE(Checked(form->CkDisplayHint));

    // The font button works only without the internal font.
    EXPECT_FALSE(::IsWindowEnabled(form->BtnSetFont));
    EXPECT_EQ(TextOf(form->FontPanel), L"(内部字体)");
    Click(form->ckInternalFont);
    EXPECT_TRUE(::IsWindowEnabled(form->BtnSetFont));
    EXPECT_EQ(TextOf(form->FontPanel), L"Tahoma, 6pt");
}

TEST_F(OptionsDialogTest, ThresholdsAndRefreshRateLink) {
    Open();
    int min = 0, max = 0;
    ::SendMessageW(form->TxtYellow.UpDown(), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&min),
                   reinterpret_cast<LPARAM>(&max));
    EXPECT_EQ(max, 89);
    ::SendMessageW(form->TxtRed.UpDown(), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&min),
                   reinterpret_cast<LPARAM>(&max));
    EXPECT_EQ(min, 66);
    ::SetWindowTextW(form->TxtRed.Edit(), L"80");
    ::SendMessageW(form->TxtYellow.UpDown(), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&min),
                   reinterpret_cast<LPARAM>(&max));
    EXPECT_EQ(max, 79);
    EXPECT_EQ(TextOf(form->LabelHighMemory), L"高内存使用率 (当内存高于 80%):");
    // Both threshold boxes take no typing.
    EXPECT_TRUE(::GetWindowLongW(form->TxtRed.Edit(), GWL_STYLE) & ES_READONLY);

    form->ShowTab(1);
    ::ShowWindow(form->Handle(), SW_SHOWNA);
    ASSERT_TRUE(::IsWindowVisible(form->EditMili.Edit()));
    // The reset link shows only while the rate differs from the default.
    EXPECT_FALSE(::IsWindowVisible(form->LabelResetMili));
    ::SetWindowTextW(form->EditMili.Edit(), L"2500");
    EXPECT_TRUE(::IsWindowVisible(form->LabelResetMili));
    form->LabelResetMiliLinkClick();
    EXPECT_EQ(TextOf(form->EditMili.Edit()), L"2000");
    EXPECT_FALSE(::IsWindowVisible(form->LabelResetMili));
    // Typed text out of bounds is pulled back when the box loses focus; text that is not a
    // number becomes the minimum.
    ::SetWindowTextW(form->EditProcs.Edit(), L"500");
    ::SendMessageW(form->Handle(), WM_COMMAND,
                   MAKEWPARAM(::GetDlgCtrlID(form->EditProcs.Edit()), EN_KILLFOCUS),
                   reinterpret_cast<LPARAM>(form->EditProcs.Edit()));
    EXPECT_EQ(TextOf(form->EditProcs.Edit()), L"100");
    ::SetWindowTextW(form->EditMili.Edit(), L"");
    ::SendMessageW(form->Handle(), WM_COMMAND,
                   MAKEWPARAM(::GetDlgCtrlID(form->EditMili.Edit()), EN_KILLFOCUS),
                   reinterpret_cast<LPARAM>(form->EditMili.Edit()));
    EXPECT_EQ(TextOf(form->EditMili.Edit()), L"1000");
}

TEST_F(OptionsDialogTest, OkWritesTheSettingsFileAndAppliesThem) {
    host.options.DefragEvery = 240;
    Open();
    Click(form->CkShowPercentage);
    Click(form->CkLogFile);
    Click(form->CkShowTop);
    ::SendMessageW(form->HotKeyDefrag, HKM_SETHOTKEY, MAKEWORD('D', HOTKEYF_CONTROL | HOTKEYF_ALT),
                   0);
    ::SetWindowTextW(form->WinSpinDefragEveryActive.Edit(), L"30");  // its box stays clear
    ::SetWindowTextW(form->EditMili.Edit(), L"3000");
    ::SendMessageW(form->CmbDoubleClick, CB_SETCURSEL, 3, 0);

    Click(form->btnApply);  // Apply leaves the dialog open
    EXPECT_FALSE(form->Closed());
    EXPECT_EQ(host.saves, 1);
    EXPECT_EQ(host.Read(L"General", L"ShowPercentage"), L"1");
    EXPECT_EQ(host.Read(L"General", L"WriteLog"), L"1");
    EXPECT_EQ(host.Read(L"General", L"ShowTopProcess"), L"0");
    EXPECT_EQ(host.Read(L"General", L"HighlightProcessAbove"), L"0");
    EXPECT_EQ(host.Read(L"General", L"RefreshHotkey"), std::to_wstring(0x4000 | 0x8000 | 'D'));
    EXPECT_EQ(host.Read(L"General", L"DefragEvery"), L"240");
    EXPECT_EQ(host.Read(L"General", L"RefreshRate"), L"3000");
    EXPECT_EQ(host.Read(L"General", L"DoubleClickAction"), L"3");
    EXPECT_EQ(host.Read(L"Colors", L"GreenColor"), L"Automatic");
    EXPECT_TRUE(host.logCommand);
    EXPECT_EQ(host.removedTags, (std::set<int>{kTagProcessLine}));
    EXPECT_EQ(host.interval, 3000);
    EXPECT_EQ(host.redraws, 1);
    EXPECT_EQ(host.shortcutUpdates, 1);
    EXPECT_EQ(host.defaultMenuUpdates, 1);

    Click(form->BtnOk);
    EXPECT_TRUE(form->Closed());
    EXPECT_EQ(host.saves, 2);
}

TEST_F(OptionsDialogTest, CancelStoresNothing) {
    Open();
    Click(form->CkShowFree);
    Click(form->BtnCancel);
    EXPECT_TRUE(form->Closed());
    EXPECT_EQ(host.saves, 0);
    EXPECT_FALSE(host.options.ShowFree);
}

// The font button runs the system's font dialog on the panel's font: Cancel keeps it, OK shows
// the chosen one, and the dialog's OK stores it.
TEST_F(OptionsDialogTest, FontButtonChoosesTheIconFont) {
    host.options.InternalFont = false;
    host.options.Font.Size = 9;
    Open();
    ASSERT_TRUE(::IsWindowEnabled(form->BtnSetFont));
    ASSERT_EQ(TextOf(form->FontPanel), L"Tahoma, 9pt");
    {
        test::DialogProbe probe(
            [](const test::ProbedDialog& d) { test::Click(d.FindId(IDCANCEL)); });
        Click(form->BtnSetFont);
        probe.Wait();
        ASSERT_TRUE(probe.found());
    }
    EXPECT_EQ(TextOf(form->FontPanel), L"Tahoma, 9pt");
    {
        constexpr int kSizeBox = 0x472;
        constexpr int kUnderline = 0x411;
        test::DialogProbe probe([](const test::ProbedDialog& d) {
            // Picked from the size list, as a user would.
            const HWND sizes = ::GetDlgItem(d.hwnd, kSizeBox);
            const LRESULT at = ::SendMessageW(sizes, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                              reinterpret_cast<LPARAM>(L"14"));
            ::SendMessageW(sizes, CB_SETCURSEL, static_cast<WPARAM>(at), 0);
            ::SendMessageW(d.hwnd, WM_COMMAND, MAKEWPARAM(kSizeBox, CBN_SELCHANGE),
                           reinterpret_cast<LPARAM>(sizes));
            for (const test::ProbedControl& c : d.controls) {
                if (c.id == kUnderline) {
                    test::Click(&c);
                }
            }
            test::Click(d.FindId(IDOK));
        });
        Click(form->BtnSetFont);
        probe.Wait();
        ASSERT_TRUE(probe.found());
    }
    EXPECT_EQ(TextOf(form->FontPanel), L"Tahoma, 14pt");
    EXPECT_EQ(host.saves, 0);
    Click(form->BtnOk);
    EXPECT_EQ(host.options.Font.Name, L"Tahoma");
    EXPECT_EQ(host.options.Font.Size, 14);
    EXPECT_EQ(host.options.Font.Style, kFontUnderline);
    EXPECT_EQ(host.Read(L"Font", L"Size"), L"14");
}

// The colour list and its editors work on the pending texts; OK turns them into the settings.
TEST_F(OptionsDialogTest, ColourEntriesEditThePendingTexts) {
    host.options.GreenColor = RgbColor(0x11, 0x22, 0x33);
    host.options.TransBk = true;
    Open(true);
    ::ShowWindow(form->Handle(), SW_SHOWNA);
    const auto show = [&](int entry) {
        ::SendMessageW(form->LbColors, LB_SETCURSEL, static_cast<WPARAM>(entry), 0);
        form->LbColorsClick();
    };
    EXPECT_EQ(form->Pending()[5], L"112233");
    EXPECT_EQ(form->Pending()[0], L"-1");
    // Entry 0 is edited by the menu-mode list, which takes the picker's place.
    show(0);
    EXPECT_TRUE(::IsWindowVisible(form->CmbDarkMode));
    EXPECT_FALSE(::IsWindowVisible(form->CmbForeground));
    ::SendMessageW(form->CmbDarkMode, CB_SETCURSEL, 2, 0);
    form->CmbDarkModeClick();
    EXPECT_EQ(form->Pending()[0], L"1");
    // The background while it is transparent: the picker is disabled under its note.
    show(3);
    EXPECT_TRUE(::IsWindowVisible(form->CmbForeground));
    EXPECT_FALSE(::IsWindowEnabled(form->CmbForeground));
    EXPECT_TRUE(::IsWindowVisible(form->LabelTransWarning));
    EXPECT_EQ(TextOf(form->LabelTransWarning), L"注: 背景设置为透明");
    Click(form->CheckTransparent);
    EXPECT_TRUE(::IsWindowEnabled(form->CmbForeground));
    EXPECT_FALSE(::IsWindowVisible(form->LabelTransWarning));
    // The text colour while the digits take the bar colour.
    Click(form->CkDigitsColored);
    show(2);
    EXPECT_FALSE(::IsWindowEnabled(form->CmbForeground));
    EXPECT_EQ(TextOf(form->LabelTransWarning), L"注: 由条形颜色设置字体颜色");
    show(5);
    EXPECT_TRUE(::IsWindowEnabled(form->CmbForeground));
    EXPECT_EQ(form->Pending()[5], L"112233");
    form->Pending()[7] = L"ThreeDFace";
    Click(form->BtnOk);
    EXPECT_EQ(host.options.MenuColorMode, 1);
    EXPECT_EQ(host.options.GreenColor, RgbColor(0x11, 0x22, 0x33));
    EXPECT_EQ(host.options.RedColor, SystemColor(15));
    EXPECT_FALSE(host.options.TransBk);
    EXPECT_TRUE(host.options.DigitsColored);
    EXPECT_EQ(host.Read(L"Colors", L"RedColor"), L"ThreeDFace");
}

// "Custom..." in the colour list runs the system's colour dialog; its colour becomes the
// entry's pending text and, on OK, the setting.
TEST_F(OptionsDialogTest, CustomColourComesFromTheColourDialog) {
    Open(true);
    ::ShowWindow(form->Handle(), SW_SHOWNA);
    ::SendMessageW(form->LbColors, LB_SETCURSEL, 5, 0);
    form->LbColorsClick();
    ASSERT_EQ(form->Pending()[5], L"-1");
    const auto pickCustom = [&] {
        ::SendMessageW(form->CmbForeground, CB_SETCURSEL, kPickerCustomItem, 0);
        ::SendMessageW(::GetParent(form->CmbForeground), WM_COMMAND,
                       MAKEWPARAM(::GetDlgCtrlID(form->CmbForeground), CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(form->CmbForeground));
    };
    {
        test::DialogProbe probe(
            [](const test::ProbedDialog& d) { test::Click(d.FindId(IDCANCEL)); });
        pickCustom();
        probe.Wait();
        ASSERT_TRUE(probe.found());
    }
    EXPECT_EQ(form->Pending()[5], L"-1");
    {
        // The red, green and blue boxes of the colour dialog, typed into.
        test::DialogProbe probe([](const test::ProbedDialog& d) {
            ::SetDlgItemInt(d.hwnd, 706, 0x12, FALSE);
            ::SetDlgItemInt(d.hwnd, 707, 0x34, FALSE);
            ::SetDlgItemInt(d.hwnd, 708, 0x56, FALSE);
            test::Click(d.FindId(IDOK));
        });
        pickCustom();
        probe.Wait();
        ASSERT_TRUE(probe.found());
    }
    EXPECT_EQ(form->Pending()[5], ColorToText(RgbColor(0x12, 0x34, 0x56)));
    Click(form->BtnOk);
    EXPECT_EQ(host.options.GreenColor, RgbColor(0x12, 0x34, 0x56));
}

// Every caption fits its control, and every control its page, at 96, 120 and 144 DPI.
TEST_F(OptionsDialogTest, NoCaptionClippedAtThreeDpis) {
    Open();
    for (const int dpi : {96, 120, 144}) {
        form->ApplyDpi(dpi);
        RECT client{};
        ::GetClientRect(form->Handle(), &client);
        RECT page{};
        ::GetWindowRect(form->Tabs, &page);
        ::MapWindowPoints(nullptr, form->Handle(), reinterpret_cast<POINT*>(&page), 2);
        TabCtrl_AdjustRect(form->Tabs, FALSE, &page);
        const WindowDc dc(form->Handle());
        for (HWND c : Children(form->Handle())) {
            const std::wstring cls = ClassOf(c);
            std::wstring text = TextOf(c);
            RECT r{};
            ::GetWindowRect(c, &r);
            ::MapWindowPoints(nullptr, form->Handle(), reinterpret_cast<POINT*>(&r), 2);
            EXPECT_TRUE(r.left >= client.left && r.right <= client.right &&
                        r.bottom <= client.bottom)
                << dpi << " outside the dialog: " << testing::PrintToString(text);
            if (c == form->Tabs || c == form->BtnOk || c == form->BtnCancel ||
                c == form->btnApply) {
                continue;
            }
            if (cls != L"ComboBox") {  // a drop-down's rectangle includes its list
                EXPECT_TRUE(r.left >= page.left && r.right <= page.right && r.bottom <= page.bottom)
                    << dpi << " outside the page: " << testing::PrintToString(text);
            }
            if (text.empty() || (cls != L"Static" && cls != L"Button")) {
                continue;
            }
            std::erase(text, L'&');
            SelectObjectGuard font(dc.get(),
                                   reinterpret_cast<HFONT>(::SendMessageW(c, WM_GETFONT, 0, 0)));
            SIZE extent{};
            ::GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent);
            const bool check = (::GetWindowLongW(c, GWL_STYLE) & BS_TYPEMASK) == BS_AUTOCHECKBOX &&
                               cls == L"Button";
            const int room = (r.right - r.left) - (check ? ScaleByDpi(16, dpi) : 0);
            EXPECT_LE(extent.cx, room) << dpi << " clipped: " << testing::PrintToString(text);
            EXPECT_LE(extent.cy, r.bottom - r.top)
                << dpi << " cut: " << testing::PrintToString(text);
        }
    }
}

}  // namespace
}  // namespace orvane::win
