#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "dialogs/core/MessageBoxBuilder.h"
#include "dialogs/win/MessageDialogs.h"
#include "dialogs/win/TaskDialogNative.h"
#include "dialogs_probe.h"

namespace orvane {
namespace {

using test::Click;
using test::DialogProbe;
using test::ProbedDialog;

class MsgBoxExecute : public ::testing::Test {};

TEST_F(MsgBoxExecute, ShowsTextsButtonsAndCheckBoxAndReturnsTheButtonAndTheBox) {
    ASSERT_TRUE(win::IsTaskDialogAvailable());
    bool checked = false;
    DialogProbe probe([](const ProbedDialog& d) {
        Click(d.Find(L"不再显示此警告"));
        Click(d.Find(L"关闭(&C)"));
    });
    const int result = NewMsgBox(L"您的计算机内存不足.")
                           .Text(L"第一段")
                           .Text(L"第二段")
                           .Warning()
                           .Verification(L"不再显示此警告", &checked)
                           .AddButton(L"整理内存(&D)", 1)
                           .AddButton(L"任务管理器(&T)", 2)
                           .AddButton(L"关闭(&C)", 3)
                           .Execute();
    probe.Wait();
    ASSERT_TRUE(probe.found());
    const ProbedDialog& d = probe.dialog();
    EXPECT_EQ(d.title, L"Orvane");
    EXPECT_TRUE(d.HasText(L"您的计算机内存不足."));
    EXPECT_TRUE(d.HasText(L"第一段\r\n\r\n第二段"));
    EXPECT_EQ(d.Buttons(),
              (std::vector<std::wstring>{L"整理内存(&D)", L"任务管理器(&T)", L"关闭(&C)"}));
    EXPECT_EQ(result, 3);
    EXPECT_TRUE(checked);
}

TEST_F(MsgBoxExecute, DismissalGivesTwoUnlessOnlyButtonsMayEnd) {
    {
        // Escape ends a box whose second button also returns 2: the two look the same.
        DialogProbe probe([](const ProbedDialog& d) { test::PressEscape(d); });
        EXPECT_EQ(
            NewMsgBox(L"A").AddButton(L"一", 1).AddButton(L"二", 2).AddButton(L"三", 3).Execute(),
            2);
        EXPECT_TRUE(probe.found());
    }
    {
        DialogProbe probe([](const ProbedDialog& d) { test::PressCloseBox(d); });
        EXPECT_EQ(NewMsgBox(L"A").OK().Execute(), 2);
        EXPECT_TRUE(probe.found());
    }
    {
        // Yes/No ignores Escape and the close box; only a button ends it.
        DialogProbe probe([](const ProbedDialog& d) {
            test::PressEscape(d);
            test::PressCloseBox(d);
            ::Sleep(300);
            if (::IsWindowVisible(d.hwnd)) {
                Click(d.FindId(IDNO));
            }
        });
        EXPECT_EQ(NewMsgBox(L"A").YesNo().Execute(), IDNO);
        EXPECT_TRUE(probe.found());
    }
}

TEST_F(MsgBoxExecute, CheckBoxStartsFromThePointedValueAndReportsTheFinalState) {
    bool checked = true;
    bool startedChecked = false;
    DialogProbe probe([&](const ProbedDialog& d) {
        const auto* box = d.Find(L"V");
        startedChecked = box && ::SendMessageW(box->hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
        Click(d.FindId(IDOK));
    });
    EXPECT_EQ(NewMsgBox(L"A").OK().Verification(L"V", &checked).Execute(), IDOK);
    probe.Wait();
    EXPECT_TRUE(startedChecked);
    EXPECT_TRUE(checked);
}

TEST_F(MsgBoxExecute, RadioButtonsReportTheSelectedIndex) {
    const auto pick = [](const wchar_t* caption) {
        return [caption](const ProbedDialog& d) {
            Click(d.Find(caption));
            Click(d.FindId(IDOK));
        };
    };
    const MessageBoxBuilder radios = NewMsgBox(L"A").OK().AddRadioButtons({L"r0", L"r1", L"r2"});
    {
        DialogProbe probe([](const ProbedDialog& d) { Click(d.FindId(IDOK)); });
        std::int32_t radio = 99;
        EXPECT_EQ(MessageBoxBuilder(radios).DefRadioButton(1).Execute(radio), IDOK);
        EXPECT_EQ(radio, 1);
    }
    {
        DialogProbe probe([](const ProbedDialog& d) { Click(d.FindId(IDOK)); });
        MessageBoxBuilder box = radios.DefRadioButton(-1);
        EXPECT_EQ(box.Execute(), IDOK);
        EXPECT_EQ(box.radioOut_, -1);
    }
    {
        DialogProbe probe(pick(L"r2"));
        MessageBoxBuilder box = radios.DefRadioButton(-1);
        box.Execute();
        EXPECT_EQ(box.radioOut_, 2);
    }
    {
        DialogProbe probe([](const ProbedDialog& d) { Click(d.FindId(IDOK)); });
        MessageBoxBuilder box = NewMsgBox(L"A").OK();
        box.Execute();
        EXPECT_EQ(box.radioOut_, -1);
    }
}

TEST_F(MsgBoxExecute, OtherWindowsOfTheThreadAreDisabledWhileOpen) {
    HWND other = ::CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                   100, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(other);
    bool enabledWhileOpen = true;
    DialogProbe probe([&](const ProbedDialog& d) {
        enabledWhileOpen = ::IsWindowEnabled(other) != FALSE;
        Click(d.FindId(IDOK));
    });
    NewMsgBox(L"A").OK().Execute();
    probe.Wait();
    EXPECT_FALSE(enabledWhileOpen);
    EXPECT_TRUE(::IsWindowEnabled(other));
    ::DestroyWindow(other);
}

TEST_F(MsgBoxExecute, ClickedLinkGoesToTheHandler) {
    std::wstring clicked;
    DialogProbe probe([](const ProbedDialog& d) {
        for (const auto& c : d.controls) {
            if (c.className == L"SysLink") {
                NMLINK link{};
                link.hdr.hwndFrom = c.hwnd;
                link.hdr.idFrom = static_cast<UINT_PTR>(c.id);
                link.hdr.code = NM_CLICK;
                lstrcpynW(link.item.szUrl, L"https://example.invalid/x", L_MAX_URL_LENGTH);
                ::SendMessageW(d.hwnd, WM_NOTIFY, static_cast<WPARAM>(c.id),
                               reinterpret_cast<LPARAM>(&link));
                break;
            }
        }
        Click(d.FindId(IDOK));
    });
    NewMsgBox(L"A")
        .Text(L"see <a href=\"https://example.invalid/x\">here</a>")
        .OK()
        .Hypertext([&](const std::wstring& url) { clicked = url; })
        .Execute();
    probe.Wait();
    EXPECT_EQ(clicked, L"https://example.invalid/x");
}

TEST_F(MsgBoxExecute, ABoxThatCannotBeShownGivesTwoAndTheOpeningState) {
    bool checked = true;
    MessageBoxBuilder box = NewMsgBox(L"A").OK().AddRadioButton(L"r").Verification(L"V", &checked);
    // A parent that is no window makes the platform refuse the dialog.
    EXPECT_EQ(box.Execute(reinterpret_cast<WindowHandle>(static_cast<std::uintptr_t>(0x7FFF0001))),
              2);
    EXPECT_TRUE(checked);
    EXPECT_EQ(box.radioOut_, -1);
}

}  // namespace
}  // namespace orvane
