#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "settings/core/AutoStartValue.h"

namespace orvane {
namespace {

constexpr const wchar_t* kExe = L"C:\\Users\\me\\AppData\\Local\\Programs\\Orvane\\Orvane.exe";

TEST(AutoStartValueTest, ValueIsTheQuotedPath) {
    EXPECT_EQ(AutoStartValueFor(kExe), std::wstring(L"\"") + kExe + L"\"");
    EXPECT_EQ(ProgramOfRunValue(AutoStartValueFor(kExe)), kExe);
}

TEST(AutoStartValueTest, ShownAsTheRegistrySaysIt) {
    struct Case {
        std::optional<std::wstring> value;
        bool checked;
        std::optional<std::wstring> other;
    };
    const Case cases[] = {
        {std::nullopt, false, std::nullopt},
        {std::wstring(L"\"") + kExe + L"\"", true, std::nullopt},
        {L"\"C:\\USERS\\ME\\APPDATA\\LOCAL\\PROGRAMS\\ORVANE\\orvane.EXE\"", true,
         std::nullopt},  // paths ignore case
        {std::wstring(L"  \"") + kExe + L"\" /trim ", true, std::nullopt},
        {kExe, true, std::nullopt},  // written by hand without quotes
        {L"\"D:\\Portable\\Orvane\\Orvane.exe\"", true, L"D:\\Portable\\Orvane\\Orvane.exe"},
        {L"\"D:\\unterminated", true, L"D:\\unterminated"},
        {L"", true, L""},
    };
    for (const Case& c : cases) {
        const AutoStartView view = ViewOfRunValue(c.value, kExe);
        EXPECT_EQ(view.Checked, c.checked) << (c.value ? *c.value : L"<none>");
        EXPECT_EQ(view.OtherCopy, c.other) << (c.value ? *c.value : L"<none>");
    }
}

}  // namespace
}  // namespace orvane
