#include <gtest/gtest.h>

#include <string>

#include "processes/core/TrayDoubleClick.h"

namespace orvane {
namespace {

TEST(TrayDoubleClick, EachValueRunsItsOneActionOthersNothing) {
    std::string ran;
    const auto mark = [&ran](char c) { return [&ran, c] { ran += c; }; };
    const DoubleClickActions actions{mark('0'), mark('1'), mark('2'), mark('3'),
                                     mark('4'), mark('5'), mark('6'), mark('7')};
    for (std::int32_t value = -1; value <= 8; ++value) {
        ran.clear();
        RunDoubleClickAction(value, actions);
        EXPECT_EQ(ran, value >= 0 && value <= 7 ? std::string(1, char('0' + value)) : "") << value;
    }
    ran.clear();
    RunDoubleClickAction(INT32_MIN, actions);
    RunDoubleClickAction(INT32_MAX, actions);
    RunDoubleClickAction(3, DoubleClickActions{});  // an action not wired does nothing
    EXPECT_EQ(ran, "");
}

TEST(TrayDoubleClick, RunDialogDescriptionNamesTheProgramWithinItsLength) {
    EXPECT_EQ(RunDialogDescription(L"Orvane"),
              L"键入程序, 文件夹, 文档或网络资源的名称, 然后 Orvane 将为您打开它.");
    const std::wstring head = L"键入程序, 文件夹, 文档或网络资源的名称, 然后 ";
    const std::wstring fits(115 - head.size() - 8, L'x');  // " 将为您打开它." is 8
    EXPECT_EQ(RunDialogDescription(fits).size(), 115u);
    EXPECT_EQ(RunDialogDescription(fits + L"y"), head + fits + L"y 将为您打开它");
    EXPECT_EQ(RunDialogDescription(std::wstring(200, L'x')),
              head + std::wstring(115 - head.size(), L'x'));
    // A pair of surrogates at the cut is dropped whole.
    const std::wstring name = std::wstring(115 - head.size() - 1, L'x') + L"\xD83D\xDE00";
    EXPECT_EQ(RunDialogDescription(name), head + std::wstring(115 - head.size() - 1, L'x'));
}

}  // namespace
}  // namespace orvane
