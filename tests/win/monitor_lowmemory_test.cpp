#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "dialogs_probe.h"
#include "monitor/win/LowMemoryWarning.h"

namespace orvane::win {
namespace {

using test::Click;
using test::DialogProbe;
using test::ProbedDialog;

const std::wstring kTitle = L"您的计算机内存不足.";
const std::wstring kText =
    L"要恢复足够的内存使程序正常运行, 请保存文件后关闭或重新启动所有打开的程序";

struct Outcome {
    int trims = 0;
    int taskManagers = 0;
    bool warnMsgBox = true;
    ProbedDialog dialog;
    bool found = false;
};

Outcome Answer(const std::function<void(const ProbedDialog&)>& act, bool defragOnHighMemory) {
    Outcome o;
    OrvaneOptions options;
    options.WarnMsgBox = true;
    options.DefragOnHighMemory = defragOnHighMemory;
    DialogProbe probe(act);
    ShowLowMemoryDialog(
        options, kTitle, kText, [&] { ++o.trims; }, [&] { ++o.taskManagers; });
    probe.Wait();
    o.found = probe.found();
    o.dialog = probe.dialog();
    o.warnMsgBox = options.WarnMsgBox;
    return o;
}

TEST(LowMemoryDialog, ShowsTheWarningWithThreeButtonsAndTheCheckBox) {
    const Outcome o = Answer([](const ProbedDialog& d) { Click(d.Find(L"关闭(&C)")); }, false);
    ASSERT_TRUE(o.found);
    EXPECT_EQ(o.dialog.title, L"Orvane");
    EXPECT_TRUE(o.dialog.HasText(kTitle));
    EXPECT_TRUE(o.dialog.HasText(kText));
    EXPECT_TRUE(o.dialog.HasText(L"不再显示此警告"));
    EXPECT_EQ(o.dialog.Buttons(),
              (std::vector<std::wstring>{L"整理内存(&D)", L"任务管理器(&T)", L"关闭(&C)"}));
    EXPECT_EQ(o.trims + o.taskManagers, 0);
    EXPECT_TRUE(o.warnMsgBox);
}

TEST(LowMemoryDialog, EachAnswerDoesItsOwnThing) {
    struct Case {
        const wchar_t* button;  // null: the close box
        bool tick, defragOnHighMemory;
        int trims, taskManagers;
    } cases[] = {
        {L"整理内存(&D)", false, false, 1, 0},
        {L"整理内存(&D)", false, true, 0, 0},  // already trimmed before the dialog
        {L"任务管理器(&T)", true, false, 0, 1},
        {L"关闭(&C)", true, false, 0, 0},
        {nullptr, false, false, 0, 0},  // a dismissal is not "任务管理器"
        {nullptr, true, false, 0, 0},
    };
    for (const auto& c : cases) {
        const Outcome o = Answer(
            [&c](const ProbedDialog& d) {
                if (c.tick) {
                    Click(d.Find(L"不再显示此警告"));
                }
                if (c.button) {
                    Click(d.Find(c.button));
                } else {
                    test::PressCloseBox(d);
                }
            },
            c.defragOnHighMemory);
        ASSERT_TRUE(o.found);
        EXPECT_EQ(o.trims, c.trims) << (c.button ? "button" : "close box");
        EXPECT_EQ(o.taskManagers, c.taskManagers);
        EXPECT_EQ(o.warnMsgBox, !c.tick);
    }
}

LRESULT CALLBACK CountClicks(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONUP) {
        ++*reinterpret_cast<int*>(::GetWindowLongPtrW(w, GWLP_USERDATA));
    }
    return ::DefWindowProcW(w, msg, wp, lp);
}

TEST(ForceForeground, NeitherClicksNorMovesThePointer) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = CountClicks;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"OrvaneClickCounter";
    ::RegisterClassW(&wc);
    HWND target =
        ::CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"target", WS_POPUP | WS_VISIBLE, 0, 0,
                          400, 400, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_TRUE(target);
    int clicks = 0;
    ::SetWindowLongPtrW(target, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&clicks));
    ::SetCursorPos(200, 150);
    POINT before{};
    ::GetCursorPos(&before);

    ForceForeground(::GetDesktopWindow());
    const DWORD until = ::GetTickCount() + 500;
    while (::GetTickCount() < until) {
        MSG m;
        while (::PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
            ::DispatchMessageW(&m);
        }
        ::Sleep(10);
    }
    POINT after{};
    ::GetCursorPos(&after);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(after.x, before.x);
    EXPECT_EQ(after.y, before.y);
    ::DestroyWindow(target);
}

}  // namespace
}  // namespace orvane::win
