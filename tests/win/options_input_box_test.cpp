#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "common/win/Handles.h"
#include "dialogs_probe.h"
#include "options/win/InputBox.h"

namespace orvane::win {
namespace {

using test::Click;
using test::DialogProbe;
using test::ProbedDialog;

const test::ProbedControl* FindClass(const ProbedDialog& d, const std::wstring& className) {
    for (const auto& c : d.controls) {
        if (c.className == className) {
            return &c;
        }
    }
    return nullptr;
}

// Whether `text` fits on one line into the control in the control's own font.
bool TextFits(HWND control, const std::wstring& text) {
    const auto font = reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0));
    const WindowDc dc(control);
    const SelectObjectGuard select(dc.get(), font);
    SIZE size{};
    ::GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
    RECT client{};
    ::GetClientRect(control, &client);
    return size.cx <= client.right && size.cy <= client.bottom;
}

TEST(InputBoxTest, ShowsCaptionPromptAndTextAndReturnsWhatWasTyped) {
    bool fits = false;
    std::wstring shownText;
    DialogProbe probe([&](const ProbedDialog& d) {
        const auto* prompt = d.Find(L"主题名称");
        const auto* edit = FindClass(d, L"Edit");
        if (prompt && edit) {
            fits = TextFits(prompt->hwnd, prompt->text);
            shownText = edit->text;
            ::SendMessageW(edit->hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"夜间 a/b"));
        }
        Click(d.FindId(IDOK));
    });
    std::wstring value = L"旧名";
    EXPECT_TRUE(InputQuery(nullptr, L"保存主题", L"主题名称", value));
    probe.Wait();
    ASSERT_TRUE(probe.found());
    EXPECT_EQ(probe.dialog().title, L"保存主题");
    EXPECT_EQ(probe.dialog().Buttons(), (std::vector<std::wstring>{L"确定", L"取消"}));
    EXPECT_TRUE(fits);
    EXPECT_EQ(shownText, L"旧名");
    EXPECT_EQ(value, L"夜间 a/b");
}

TEST(InputBoxTest, EscapeCancelAndTheCloseBoxLeaveTheValue) {
    const std::function<void(const ProbedDialog&)> answers[] = {
        [](const ProbedDialog& d) { test::PressEscape(d); },
        [](const ProbedDialog& d) { Click(d.FindId(IDCANCEL)); },
        [](const ProbedDialog& d) { test::PressCloseBox(d); },
    };
    for (const auto& answer : answers) {
        DialogProbe probe([&](const ProbedDialog& d) {
            if (const auto* edit = FindClass(d, L"Edit")) {
                ::SendMessageW(edit->hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"x"));
            }
            answer(d);
        });
        std::wstring value = L"kept";
        EXPECT_FALSE(InputQuery(nullptr, L"保存主题", L"主题名称", value));
        probe.Wait();
        EXPECT_TRUE(probe.found());
        EXPECT_EQ(value, L"kept");
    }
}

TEST(InputBoxTest, GrowsToALongPrompt) {
    const std::wstring prompt(50, L'长');
    bool fits = false;
    DialogProbe probe([&](const ProbedDialog& d) {
        if (const auto* c = d.Find(prompt)) {
            fits = TextFits(c->hwnd, prompt);
        }
        Click(d.FindId(IDCANCEL));
    });
    std::wstring value;
    InputQuery(nullptr, L"保存主题", prompt, value);
    probe.Wait();
    EXPECT_TRUE(fits);
}

int FontHeight(HWND control) {
    LOGFONTW font{};
    ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font),
                 &font);
    return font.lfHeight < 0 ? -font.lfHeight : font.lfHeight;
}

// Moved to a monitor of 144 pixels per inch, the box takes a larger font and still fits it.
TEST(InputBoxTest, FollowsTheMonitorsDpi) {
    int heightBefore = 0;
    int heightAfter = 0;
    LONG widthBefore = 0;
    LONG widthAfter = 0;
    bool fits = false;
    DialogProbe probe([&](const ProbedDialog& d) {
        const auto* prompt = d.Find(L"主题名称");
        if (prompt) {
            RECT frame{};
            ::GetWindowRect(d.hwnd, &frame);
            heightBefore = FontHeight(prompt->hwnd);
            widthBefore = frame.right - frame.left;
            RECT suggested{frame.left, frame.top, frame.left + widthBefore * 3 / 2,
                           frame.top + (frame.bottom - frame.top) * 3 / 2};
            ::SendMessageW(d.hwnd, WM_DPICHANGED, MAKEWPARAM(144, 144),
                           reinterpret_cast<LPARAM>(&suggested));
            ::GetWindowRect(d.hwnd, &frame);
            heightAfter = FontHeight(prompt->hwnd);
            widthAfter = frame.right - frame.left;
            fits =
                TextFits(prompt->hwnd, prompt->text) && TextFits(d.FindId(IDCANCEL)->hwnd, L"取消");
        }
        Click(d.FindId(IDCANCEL));
    });
    std::wstring value;
    InputQuery(nullptr, L"保存主题", L"主题名称", value);
    probe.Wait();
    ASSERT_TRUE(probe.found());
    EXPECT_GT(heightAfter, heightBefore);
    EXPECT_GT(widthAfter, widthBefore);
    EXPECT_TRUE(fits);
}

}  // namespace
}  // namespace orvane::win
