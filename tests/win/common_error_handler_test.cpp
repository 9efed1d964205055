#include <gtest/gtest.h>

#include <stdexcept>

#include "common/win/DefaultErrorHandler.h"
#include "common/core/AppError.h"
#include "dialogs_probe.h"

namespace orvane::win {
namespace {

TEST(DefaultErrorHandler, AnErrorEndsTheHandlerAndIsShown) {
    struct Case {
        std::function<void()> handler;
        const wchar_t* shown;
    } cases[] = {
        {[] { throw AppError(L"File access denied"); }, L"File access denied."},
        {[] { throw AppError(L"已经有句号."); }, L"已经有句号."},
        {[] { throw std::runtime_error("bad thing"); }, L"bad thing."},
    };
    for (const auto& c : cases) {
        bool after = false;
        test::DialogProbe probe([](const test::ProbedDialog& d) { test::Click(d.FindId(IDOK)); });
        RunEventHandler([&] {
            c.handler();
            after = true;
        });
        probe.Wait();
        ASSERT_TRUE(probe.found());
        EXPECT_EQ(probe.dialog().title, L"Orvane");
        EXPECT_TRUE(probe.dialog().HasText(c.shown));
        EXPECT_FALSE(after);
    }
    bool ran = false;
    RunEventHandler([&] { ran = true; });
    EXPECT_TRUE(ran) << "the program goes on";
}

}  // namespace
}  // namespace orvane::win
