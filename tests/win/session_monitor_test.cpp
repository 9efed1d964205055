#include <gtest/gtest.h>

#include <windows.h>

#include "dialogs_probe.h"
#include "session/win/MonitorSwitchOff.h"
#include "session/win/PowerStatus.h"

namespace orvane::win {
namespace {

using test::Click;
using test::DialogProbe;
using test::ProbedDialog;

class CheckMonitorClickTest : public ::testing::TestWithParam<bool> {
  protected:
    MonitorClickSource PortableSource() const {
        return {[] { return true; }, GetParam()};
    }
};

TEST_P(CheckMonitorClickTest, ShowsTheWarningAndFollowsEachAnswer) {
    struct Case {
        const wchar_t* button;  // null: dismissed (Escape, or the close box)
        bool tick, staysTicked;
    } cases[] = {
        {L"不激活", false, false},
        {L"激活选项", false, true},
        {nullptr, false, true},
        {L"不激活", true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.button ? "button" : "dismissed") << c.tick);
        OrvaneOptions live;
        DialogProbe probe([&c](const ProbedDialog& d) {
            if (c.tick) {
                Click(d.Find(L"不再显示此警告"));
            }
            if (c.button) {
                Click(d.Find(c.button));
            } else {
                // Wine's own task dialog ends on Escape only with a Cancel button.
                GetParam() ? test::PressEscape(d) : test::PressCloseBox(d);
            }
        });
        EXPECT_EQ(CheckMonitorClick(nullptr, nullptr, live, true, PortableSource()), c.staysTicked);
        probe.Wait();
        ASSERT_TRUE(probe.found());
        EXPECT_EQ(live.NoWarningSwithOffMonMobile, c.tick);
        const ProbedDialog& d = probe.dialog();
        EXPECT_EQ(d.title, L"警告");
        EXPECT_TRUE(d.HasText(L"检测到在便携式设备上运行"));
        EXPECT_TRUE(d.HasText(
            L"计算机锁定时会关闭显示屏, 只能使用外部显示器进行操作.\r\n\r\n你确定要激活此选项?"));
        EXPECT_EQ(d.Buttons(), (std::vector<std::wstring>{L"激活选项", L"不激活"}));
    }
}

INSTANTIATE_TEST_SUITE_P(NativeAndImitation, CheckMonitorClickTest, ::testing::Bool());

TEST(CheckMonitorClick, ADesktopOnMainsShowsNothing) {
    if (IsPortableDevice()) {
        GTEST_SKIP() << "this machine has a lid or runs on battery";
    }
    OrvaneOptions live;
    EXPECT_TRUE(CheckMonitorClick(nullptr, nullptr, live));
    EXPECT_FALSE(CheckMonitorClick(nullptr, nullptr, live, false));
    EXPECT_FALSE(live.NoWarningSwithOffMonMobile);
}

}  // namespace
}  // namespace orvane::win
