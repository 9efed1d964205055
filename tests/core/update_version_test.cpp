#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "common/core/VersionText.h"
#include "update/core/TempFileName.h"
#include "update/core/UpdateLabel.h"
#include "update/core/VersionFile.h"
#include "update/core/VersionNumber.h"

namespace orvane {
namespace {

TEST(IsNewerVersion, PartByPart) {
    struct Case {
        const wchar_t* remote;
        const wchar_t* own;
        bool newer;
    } cases[] = {
        {L"4.2.1.0", L"4.1.0.0", true},
        {L"4.1.0.0", L"4.1.0.0", false},
        {L"4.1.0.0", L"4.2.1.0", false},
        {L"4.2.10.0", L"4.3.0.0", false},  // joined digits would say 42100 > 4300
        {L"4.3.0.0", L"4.2.10.0", true},
        {L"4.10.0.0", L"4.9.0.0", true},
        {L"4.1.0.1", L"4.1.0.0", true},
        {L"99999999999.0.0.0", L"4.1.0.0", true},  // beyond 32 bits
        {L"4.1.0.0", L"99999999999.0.0.0", false},
        {L"4294967297.0.0.0", L"1.0.0.0", true},  // 2^32 + 1 must not wrap to 1
        {L"999999999999999999.0.0.0", L"1.0.0.0", true},
        {L" 4.2.0.0\r\n", L"4.1.0.0", true},  // blanks around the text
        {L"4.2.1", L"4.1.0.0", false},        // three parts
        {L"4.2.1.0.0", L"4.1.0.0", false},    // five parts
        {L"4.2.x.0", L"4.1.0.0", false},      // letters
        {L"v4.2.0.0", L"4.1.0.0", false},
        {L"4.2..0", L"4.1.0.0", false},
        {L"-4.2.0.0", L"4.1.0.0", false},
        {L"4.2.0.0", L"", false},
        {L"", L"4.1.0.0", false},
        {L"42", L"41", false},
        {L"1000000000000000000.0.0.0", L"1.0.0.0", false},  // 19 digits: unreadable
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsNewerVersion(c.remote, c.own), c.newer) << c.remote << L" vs " << c.own;
    }
}

TEST(JudgeVersions, OutcomeAndShortDisplay) {
    auto judge = JudgeVersions(L"4.2.1.3", L"4.1.0.0");
    EXPECT_EQ(judge.Result, UpdateOutcome::Kind::Available);
    EXPECT_EQ(judge.Version, L"4.21 SR3");
    EXPECT_EQ(FormatVersionText(L"4.2.1.3", true), L"4.21 SR3");
    EXPECT_EQ(JudgeVersions(L"4.1.0.0", L"4.1.0.0").Result, UpdateOutcome::Kind::UpToDate);
    EXPECT_EQ(JudgeVersions(L"4.2.10.0", L"4.3.0.0").Result, UpdateOutcome::Kind::UpToDate);
    EXPECT_EQ(JudgeVersions(L"", L"4.1.0.0").Result, UpdateOutcome::Kind::Failed);
    // The own version read from a broken resource is an error text: no verdict either.
    EXPECT_EQ(JudgeVersions(L"4.2.0.0", L"GetFileVersionInfo failed: (2) x").Result,
              UpdateOutcome::Kind::Failed);
    EXPECT_EQ(JudgeVersions(L"099.0.0.0", L"4.1.0.0").Version, L"99.0");
}

TEST(UpdateLabel, StatesCaptionsAndTag) {
    UpdateLabel label;
    EXPECT_EQ(label.Caption(), L"<a href=\"U\">检查更新</a>");
    EXPECT_EQ(label.Tag(), 0);
    EXPECT_FALSE(label.Greyed());

    label.StartCheck();
    EXPECT_EQ(label.Caption(), L"正在检查更新...");
    EXPECT_TRUE(label.Greyed());
    EXPECT_EQ(label.Tag(), 0);

    label.Finish({});  // failed: shown as such, tried again at the next showing
    EXPECT_EQ(label.Caption(), L"检查新版本时出错");
    EXPECT_EQ(label.Tag(), 0);

    label.StartCheck();
    label.Finish({UpdateOutcome::Kind::Available, L"4.21"});
    EXPECT_EQ(label.Caption(), L"<a>Orvane 4.21 可供下载</a>");
    EXPECT_EQ(label.Tag(), 1);

    // A second check that was already running fails afterwards: the result stays.
    label.Finish({});
    EXPECT_EQ(label.Current(), UpdateLabel::State::Available);
    EXPECT_EQ(label.Tag(), 1);

    label.Finish({UpdateOutcome::Kind::UpToDate, {}});
    EXPECT_EQ(label.Caption(), L"Orvane 是最新的");
    EXPECT_EQ(label.Tag(), 1);
}

TEST(UpdateLabel, DisplayTextsArePlainAndCoverEveryState) {
    const auto texts = UpdateLabel::DisplayTexts();
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[0], L"检查更新");
    EXPECT_EQ(texts[4], L"Orvane 65535.6553565535 SR65535 可供下载");
    for (const auto& t : texts) {
        EXPECT_EQ(t.find(L'<'), std::wstring::npos) << t;
    }
}

TEST(TempFileName, ShapeFromTheTimeOfDay) {
    const std::wregex shape(L"TMP[0-9]{5}");
    for (double f : {0.0, 0.5, 0.123456789, 0.99999999, 1e-9, 0.75}) {
        EXPECT_TRUE(std::regex_match(TempFileNameAt(f, 0, L""), shape)) << f;
    }
    // The fourth to eighth decimal places; the attempt moves them on, wrapping at 100000.
    EXPECT_EQ(TempFileNameAt(0.12345678, 0, L""), L"TMP45678");
    EXPECT_EQ(TempFileNameAt(0.12345678, 3, L""), L"TMP45681");
    EXPECT_EQ(TempFileNameAt(0.00099999, 1, L""), L"TMP00000");
    EXPECT_EQ(TempFileNameAt(0.5, 0, L"txt"), L"TMP00000.txt");
    EXPECT_EQ(TempFileNameAt(0.5, 0, L" txt "), L"TMP00000.txt");
    EXPECT_EQ(TempFileNameAt(0.5, 0, L".tmp"), L"TMP00000.tmp");
    EXPECT_EQ(NormalizeExtension(L""), L"");
    EXPECT_EQ(NormalizeExtension(L"   "), L"");
    EXPECT_EQ(NormalizeExtension(L" .ini"), L".ini");
}

TEST(VersionFile, ProgramKeyAndSafeAddresses) {
    EXPECT_EQ(ProgramKeyFromPath(L"C:\\Program Files\\Orvane\\Orvane.exe"), L"Orvane");
    EXPECT_EQ(ProgramKeyFromPath(L"Z:/tmp/my.tool.exe"), L"my.tool");
    EXPECT_EQ(ProgramKeyFromPath(L"Orvane"), L"Orvane");

    EXPECT_TRUE(IsWebAddress(L"https://www.velmoria.com/orvane"));
    EXPECT_TRUE(IsWebAddress(L"HTTP://example.test/x.zip"));
    EXPECT_FALSE(IsWebAddress(L"https://"));
    EXPECT_FALSE(IsWebAddress(L"C:\\Windows\\System32\\calc.exe"));
    EXPECT_FALSE(IsWebAddress(L"file:///C:/x.exe"));
    EXPECT_FALSE(IsWebAddress(L""));

    EXPECT_EQ(DownloadQuestionText(L"4.2.1.0", L"example.test"),
              L"有一个新版本4.2.1.0 的该程序\r\n可在: example.test\r\n你现在不想下载吗?");
}

}  // namespace
}  // namespace orvane
