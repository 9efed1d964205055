#include <gtest/gtest.h>

#include "session/core/PortableDevice.h"

namespace orvane {
namespace {

TEST(PortableDevice, LidOrBatteryMakesAPortableDeviceFailedQueriesDoNot) {
    struct Case {
        PowerReadings readings;
        bool lid, battery, portable;
    } cases[] = {
        {{true, false, true, 1}, false, false, false},  // desktop on mains
        {{true, true, true, 1}, true, false, true},     // notebook on mains
        {{true, false, true, 0}, false, true, true},    // desktop on a UPS's battery
        {{true, true, true, 0}, true, true, true},
        {{true, false, true, 255}, false, false, false},  // line status unknown
        {{false, true, false, 0}, false, false, false},   // both queries failed
        {{false, true, true, 1}, false, false, false},
        {{true, false, false, 0}, false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.readings.CapabilitiesRead << c.readings.LidPresent
                                        << c.readings.StatusRead << int{c.readings.ACLineStatus});
        EXPECT_EQ(HasLid(c.readings), c.lid);
        EXPECT_EQ(IsOnBatteryPower(c.readings), c.battery);
        EXPECT_EQ(IsPortableDevice(c.readings), c.portable);
    }
}

TEST(PortableDevice, MonitorClickWarnsOnlyWhenItAppliesAndFollowsTheAnswer) {
    struct Case {
        bool ticked, noWarning, portable;
        int answer;  // -1: the warning must not be shown
        bool dontShowAgain;
        bool staysTicked, noWarningAfter;
    } cases[] = {
        {false, false, true, -1, false, false, false},  // unticking never warns
        {true, true, true, -1, false, true, true},      // silenced
        {true, false, false, -1, false, true, false},   // desktop
        {true, false, true, kKeepMonitorOptionOff, false, false, false},
        {true, false, true, kActivateMonitorOption, false, true, false},
        {true, false, true, kIdCancel, false, true, false},  // Escape keeps the tick
        {true, false, true, kKeepMonitorOptionOff, true, false, true},
        {true, false, true, kIdCancel, true, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.ticked << c.noWarning << c.portable << c.answer);
        OrvaneOptions options;
        options.NoWarningSwithOffMonMobile = c.noWarning;
        int shown = 0;
        MonitorClickActions actions;
        actions.IsPortableDevice = [&] { return c.portable; };
        actions.ShowWarning = [&](bool& dontShowAgain) {
            ++shown;
            dontShowAgain = c.dontShowAgain;
            return c.answer;
        };
        EXPECT_EQ(RunMonitorClick(options, c.ticked, actions), c.staysTicked);
        EXPECT_EQ(shown, c.answer == -1 ? 0 : 1);
        EXPECT_EQ(options.NoWarningSwithOffMonMobile, c.noWarningAfter);
    }
}

}  // namespace
}  // namespace orvane
