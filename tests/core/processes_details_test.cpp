#include <gtest/gtest.h>

#include <vector>

#include "processes/core/ProcessDetails.h"

namespace orvane {
namespace {

const ProgramStrings kNotepad{L"记事本", L"Velmoria", L"10.0.1", L"© Velmoria", L"Notepad"};

MenuLine Line(const std::wstring& name, const std::wstring& path = L"C:\\Windows\\notepad.exe") {
    MenuLine line;
    line.ProcessID = 40;
    line.Name = name;
    line.Path = path;
    line.Value = L"12 MB";
    return line;
}

TEST(ProcessDetails, TextsWithAndWithoutDescription) {
    EXPECT_EQ(DetailsTitle(Line(L"notepad.exe")), L"notepad.exe (12 MB)");
    const std::wstring details = DetailsText(kNotepad, L"C:\\Windows\\notepad.exe");
    EXPECT_EQ(details,
              L"名称: 记事本\r\n公司: Velmoria\r\n版本: 10.0.1\r\n版权: © Velmoria\r\n"
              L"内部名称: Notepad\r\n文件路径: C:\\Windows\\notepad.exe\r\n");
    EXPECT_EQ(DetailsText({L"", L"Velmoria", L"1.0", L"", L""}, L"C:\\a.exe"),
              L"(进程信息不可用)\r\n");
    EXPECT_EQ(DetailsContent(L"(进程信息不可用)\r\n"),
              L"(进程信息不可用)\r\n\r\n请注意, 使用关联程序终止进程可能会导致不良的后果, "
              L"包括丢失未保存的数据, 系统不稳定甚至系统关闭等问题. 只有无响应的进程才应该被终止.");
}

TEST(ProcessDetails, FooterOnlyForSystemProcessNames) {
    EXPECT_EQ(SystemProcessFooter(L"svchost.exe"), L"'svchost.exe' 可能是一个系统进程");
    EXPECT_EQ(SystemProcessFooter(L"Explorer.EXE"), L"'Explorer.EXE' 可能是一个系统进程");
    EXPECT_EQ(SystemProcessFooter(L"SmartScreen.exe"), L"'SmartScreen.exe' 可能是一个系统进程");
    EXPECT_EQ(SystemProcessFooter(L"notepad.exe"), L"");
    EXPECT_EQ(SystemProcessFooter(L"svchost.exe "), L"");
    EXPECT_EQ(SystemProcessFooter(L"ｓvchost.exe"), L"");  // only a-z are raised
}

TEST(ProcessDetails, BoxButtonsNumberedApartFromDismissals) {
    int icon = 0;
    const MessageBoxBuilder box = ProcessDetailsBox(Line(L"svchost.exe"), L"x\r\n", &icon);
    EXPECT_EQ(box.mainText_, L"svchost.exe (12 MB)");
    EXPECT_EQ(box.caption_, L"进程信息");
    EXPECT_EQ(box.customIcon_, &icon);
    EXPECT_EQ(box.footerText_, L"'svchost.exe' 可能是一个系统进程");
    EXPECT_EQ(box.footerIcon_, kIconWarning);
    const std::vector<std::wstring> captions{L"在线搜索(&O)",     L"复制详细信息(&D)",
                                             L"打开文件路径(&P)", L"可用内存(&M)",
                                             L"终止进程(&K)",     L"取消(&C)"};
    const DetailsAction actions[] = {DetailsAction::WebSearch,    DetailsAction::CopyDetails,
                                     DetailsAction::OpenFilePath, DetailsAction::FreeMemory,
                                     DetailsAction::Terminate,    DetailsAction::None};
    ASSERT_EQ(box.customButtons_.size(), captions.size());
    for (std::size_t i = 0; i < captions.size(); ++i) {
        const auto& b = box.customButtons_[i];
        EXPECT_EQ(b.Caption, captions[i]);
        EXPECT_FALSE(b.Default);
        EXPECT_GT(b.ModalResult, kIdClose);
        EXPECT_EQ(DetailsActionFromResult(b.ModalResult), actions[i]) << i;
    }
    for (int dismissal : {0, kIdOk, kIdCancel, kIdClose, -1}) {
        EXPECT_EQ(DetailsActionFromResult(dismissal), DetailsAction::None) << dismissal;
    }
    const MessageBoxBuilder plain = ProcessDetailsBox(Line(L"notepad.exe"), L"x\r\n", nullptr);
    EXPECT_EQ(plain.footerText_, L"");
    EXPECT_EQ(plain.footerIcon_, kIconNone);
    EXPECT_EQ(plain.customIcon_, nullptr);
}

TEST(ProcessDetails, AProcessTheProgramCannotOpenOffersOnlySearchAndCopy) {
    MenuLine line = Line(L"MemCompression", L"");
    line.Unopenable = true;
    const MessageBoxBuilder box = ProcessDetailsBox(line, L"x\r\n", nullptr);
    std::vector<DetailsAction> actions;
    for (const auto& b : box.customButtons_) {
        actions.push_back(DetailsActionFromResult(b.ModalResult));
    }
    EXPECT_EQ(actions,
              (std::vector<DetailsAction>{DetailsAction::WebSearch, DetailsAction::CopyDetails,
                                          DetailsAction::None}));
    EXPECT_EQ(box.customButtons_.back().Caption, L"取消(&C)");
}

TEST(ProcessDetails, WebSearchQueryIsPercentEncodedUtf8) {
    struct Case {
        std::wstring text;
        std::string encoded;
    } cases[] = {
        {L"AZaz09-._~", "AZaz09-._~"},
        {L"a b&c#d%e+f/g?h=i", "a%20b%26c%23d%25e%2Bf%2Fg%3Fh%3Di"},
        {L"记事本", "%E8%AE%B0%E4%BA%8B%E6%9C%AC"},
        {L"é", "%C3%A9"},
        {L"\xD83D\xDE00", "%F0%9F%98%80"},  // a pair of surrogates is one character
        {L"\xD83D!", "%EF%BF%BD%21"},       // a lone one is not
        {L"\xDE00", "%EF%BF%BD"},
        {L"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PercentEncodeUtf8(c.text), c.encoded);
    }
    EXPECT_EQ(WebSearchUrl(L"a&b.exe", L"记事本"),
              L"https://www.bing.com/search?q=a%26b.exe%20%E8%AE%B0%E4%BA%8B%E6%9C%AC");
    EXPECT_EQ(WebSearchUrl(L"tool.exe", L""), L"https://www.bing.com/search?q=tool.exe%20");
    EXPECT_EQ(ExplorerSelectParameters(L"C:\\A B\\x.exe"), L"/select, \"C:\\A B\\x.exe\"");
}

TEST(ProcessDetails, ASingleLineIsItsProcessByIdAndStartTime) {
    auto rec = [](std::uint32_t pid, const std::wstring& path, std::uint64_t started) {
        ProcessRecord r;
        r.ProcessID = pid;
        r.Name = L"notepad.exe";
        r.ExeName = path;
        r.CreationTime = started;
        return r;
    };
    const std::wstring path = L"C:\\Windows\\notepad.exe";
    struct Case {
        const char* what;
        std::vector<ProcessRecord> fresh;  // the snapshot taken when the user picks the action
        std::vector<DetailsTarget> expected;
    };
    // The line: ID 40, started at 1000, path as the menu's snapshot read it.
    const Case cases[] = {
        {"same process", {rec(40, path, 1000)}, {{40, 1000}}},
        // The open handle is compared on its start time: a program that took the ID over
        // after this snapshot is caught there.
        {"ID taken over by another program", {rec(40, L"C:\\game.exe", 2000)}, {{40, 1000}}},
        {"path unreadable now", {rec(40, L"", 1000)}, {{40, 1000}}},
        {"path spelled differently", {rec(40, L"C:\\WINDOWS\\NOTEPAD.EXE", 1000)}, {{40, 1000}}},
        {"ended", {}, {{40, 1000}}},
    };
    for (const Case& c : cases) {
        MenuLine line = Line(L"notepad.exe", path);
        line.CreationTime = 1000;
        EXPECT_EQ(DetailsTargets(line, c.fresh), c.expected) << c.what;
    }
    MenuLine unknown = Line(L"notepad.exe", path);  // start time unreadable in the menu's snapshot
    EXPECT_TRUE(DetailsTargets(unknown, {rec(40, path, 0)}).empty());
}

TEST(ProcessDetails, AMergedLineIsEveryProcessOfItsPathInTheFreshSnapshot) {
    auto rec = [](std::uint32_t pid, const std::wstring& name, const std::wstring& path,
                  std::uint64_t started) {
        ProcessRecord r;
        r.ProcessID = pid;
        r.Name = name;
        r.ExeName = path;
        r.CreationTime = started;
        return r;
    };
    const std::vector<ProcessRecord> snapshot{
        rec(40, L"notepad.exe", L"C:\\Windows\\notepad.exe", 1040),
        rec(41, L"notepad.exe", L"C:\\Windows\\notepad.exe", 1041),  // started after the menu
        rec(42, L"notepad.exe", L"D:\\notepad.exe", 1042),
        rec(43, L"svc.exe", L"", 1043),
        rec(44, L"svc.exe", L"", 1044),
        rec(45, L"svc.exe", L"C:\\svc.exe", 1045),
        rec(46, L"notepad.exe", L"C:\\Windows\\notepad.exe", 0),  // start time unreadable
    };
    MenuLine merged = Line(L"notepad.exe");
    merged.bMultipleProcess = true;
    EXPECT_EQ(DetailsTargets(merged, snapshot),
              (std::vector<DetailsTarget>{{40, 1040}, {41, 1041}}));

    MenuLine byName = Line(L"svc.exe", L"");
    byName.bMultipleProcess = true;
    EXPECT_EQ(DetailsTargets(byName, snapshot),
              (std::vector<DetailsTarget>{{43, 1043}, {44, 1044}}));
}

}  // namespace
}  // namespace orvane
