// The socket headers come before <windows.h>.
#include "update_http_server.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <functional>
#include <set>
#include <string>

#include "dialogs_probe.h"
#include "update/win/AboutUpdateCheck.h"
#include "update/win/TempFiles.h"
#include "update/win/UpdateChecker.h"

namespace orvane::win {
namespace {

using test::HttpReply;
using test::LoopbackHttpServer;

const char kNewer[] =
    "[CurrentVersions]\r\nOrvane=4.2.1.0\r\nOther=9.0.0.0\r\n"
    "[DownloadURL]\r\nOrvane=https://example.test/orvane.zip\r\n"
    "[DateReleased]\r\nDate=2026-12-01\r\n[BetaVersions]\r\nOrvane=4.3 beta\r\n"
    "[CurrentHistory]\r\n1=first change\r\n2=second change\r\n";
const char kEqual[] = "[CurrentVersions]\r\nOrvane=4.1.0.0\r\n";
const char kHtml[] = "<html><body><h1>404 Not Found</h1></body></html>";

// The program the check runs for: Orvane.exe at version 4.1.0.0.
std::wstring FixtureProgram() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring dir(path);
    return dir.substr(0, dir.find_last_of(L"\\/") + 1) + L"update_program\\Orvane.exe";
}

// Runs the message loop, as the program's would, until `done` or a generous deadline.
bool PumpUntil(const std::function<bool()>& done, int seconds = 60) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        MSG m;
        while (::PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&m);
            ::DispatchMessageW(&m);
        }
    }
    return true;
}

// The check's file names in the temporary folder.
std::set<std::wstring> TempFilesNow() {
    std::set<std::wstring> names;
    WIN32_FIND_DATAW fd;
    const HANDLE h = ::FindFirstFileW((GetTempFolder() + L"TMP?????").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            names.insert(fd.cFileName);
        } while (::FindNextFileW(h, &fd));
        ::FindClose(h);
    }
    return names;
}

TEST(TempFiles, FreshEmptyFilesInTheTemporaryFolder) {
    const std::wstring folder = GetTempFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), L'\\');
    EXPECT_NE(::GetFileAttributesW(folder.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);

    // Two names taken within the same moment differ, and each is already an empty file.
    const std::wstring a = UniqueTempFileName(folder, L"txt");
    const std::wstring b = UniqueTempFileName(folder.substr(0, folder.size() - 1), L"txt");
    ASSERT_FALSE(a.empty());
    ASSERT_FALSE(b.empty());
    EXPECT_NE(a, b);
    for (const auto& f : {a, b}) {
        EXPECT_EQ(f.rfind(folder + L"TMP", 0), 0u) << f;
        EXPECT_EQ(f.substr(f.size() - 4), L".txt");
        WIN32_FILE_ATTRIBUTE_DATA data{};
        ASSERT_TRUE(::GetFileAttributesExW(f.c_str(), GetFileExInfoStandard, &data));
        EXPECT_EQ(data.nFileSizeLow, 0u);
        ::DeleteFileW(f.c_str());
    }
    EXPECT_EQ(UniqueTempFileName(folder + L"no such folder", L""), L"");
}

// The about window's label, with the program's settings, against the test's own server.
struct LabelCase {
    const char* name;
    std::wstring url;
    std::wstring caption;
    int tag;
};

TEST(AboutUpdateCheck, LabelForEachServerAnswer) {
    LoopbackHttpServer server({
        {"/newer", {200, kNewer}},
        {"/equal", {200, kEqual}},
        {"/missing", {404, kHtml}},
        {"/error-page-with-entry", {500, kNewer}},  // urlmon succeeds on error pages
        {"/foreign", {200, "[Other]\r\nOrvane=4.2.1.0\r\nhello\r\n"}},
        {"/empty", {200, ""}},
        {"/no-entry", {200, "[CurrentVersions]\r\nSomethingElse=4.2.1.0\r\n"}},
        {"/three-parts", {200, "[CurrentVersions]\r\nOrvane=4.2.1\r\n"}},
        {"/huge-part", {200, "[CurrentVersions]\r\nOrvane=99999999999.0.0.0\r\n"}},
        {"/digits-joined", {200, "[CurrentVersions]\r\nOrvane=4.0.10.0\r\n"}},
        // A good entry followed by megabytes no version file has: the download is stopped.
        {"/oversized",
         {200, kNewer + std::string("[Padding]\r\n") + std::string(3 * 1024 * 1024, ';')}},
    });
    const LabelCase cases[] = {
        {"newer", server.Url("/newer"), L"<a>Orvane 4.21 可供下载</a>", 1},
        {"equal", server.Url("/equal"), L"Orvane 是最新的", 1},
        {"404 page", server.Url("/missing"), L"检查新版本时出错", 0},
        {"500 page", server.Url("/error-page-with-entry"), L"检查新版本时出错", 0},
        {"foreign", server.Url("/foreign"), L"检查新版本时出错", 0},
        {"empty", server.Url("/empty"), L"检查新版本时出错", 0},
        {"no entry", server.Url("/no-entry"), L"检查新版本时出错", 0},
        {"three parts", server.Url("/three-parts"), L"检查新版本时出错", 0},
        {"refused", LoopbackHttpServer::RefusedUrl(), L"检查新版本时出错", 0},
        {"11-digit part", server.Url("/huge-part"), L"<a>Orvane 99999999999.0 可供下载</a>", 1},
        // 4.0.10.0 joined would be 40100 > 4100; part by part it is older than 4.1.0.0.
        {"older", server.Url("/digits-joined"), L"Orvane 是最新的", 1},
        {"oversized", server.Url("/oversized"), L"检查新版本时出错", 0},
    };
    const auto before = TempFilesNow();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AboutUpdateCheck check;
        check.GetUpdate.ExeFile = FixtureProgram();
        check.VersionFileUrl = c.url;
        check.CheckUpdate();
        EXPECT_EQ(check.Label().Caption(), L"正在检查更新...");
        EXPECT_TRUE(check.Label().Greyed());
        const std::wstring file = check.GetUpdate.TempFile;
        EXPECT_EQ(::GetFileAttributesW(file.c_str()) != INVALID_FILE_ATTRIBUTES, true)
            << "the name is taken by an empty file before the download";
        ASSERT_TRUE(PumpUntil([&] { return !check.Label().Greyed(); }));
        EXPECT_EQ(check.Label().Caption(), c.caption);
        EXPECT_EQ(check.Label().Tag(), c.tag);
        EXPECT_EQ(::GetFileAttributesW(file.c_str()), INVALID_FILE_ATTRIBUTES);
    }
    EXPECT_EQ(TempFilesNow(), before);
}

TEST(AboutUpdateCheck, LinksStartACheckOrOpenTheDownloadPage) {
    LoopbackHttpServer server({{"/ver/curr_ver.txt", {200, kNewer}}});
    AboutUpdateCheck check;
    check.GetUpdate.ExeFile = FixtureProgram();
    check.VersionFileUrl = server.Url("/ver/curr_ver.txt");
    std::wstring opened;
    check.OpenDownloadPage = [&](const std::wstring& url) { opened = url; };

    check.LabelDownloadLinkClick(L"U");
    ASSERT_TRUE(PumpUntil([&] { return check.Label().Tag() == 1; }));
    EXPECT_EQ(server.Requests(), 1);
    EXPECT_TRUE(opened.empty());

    check.LabelDownloadLinkClick(L"");  // the "available" caption has no address of its own
    EXPECT_EQ(opened, kDownloadPageUrl);
    EXPECT_EQ(std::wstring(kVersionFileUrl).rfind(L"https://", 0), 0u);
    EXPECT_EQ(opened.rfind(L"https://", 0), 0u);
}

// The component with its own defaults: what its events report.
struct Recorder {
    int failed = 0;
    int got = 0;
    std::wstring current, download, date, beta;
    void Attach(UpdateChecker& c) {
        c.OnDownloadFailed = [this](UpdateChecker&) { ++failed; };
        c.OnGetURL = [this](UpdateChecker&, const std::wstring& cv, const std::wstring& du,
                            const std::wstring& rd, const std::wstring& bv) {
            ++got;
            current = cv;
            download = du;
            date = rd;
            beta = bv;
        };
    }
    bool Ended(int n) const { return failed + got >= n; }
};

std::wstring NewTempFile() {
    return UniqueTempFileName(GetTempFolder(), L"");
}

TEST(UpdateChecker, ReportsTheVersionFileAndTwoChecksAtOnceBothEnd) {
    LoopbackHttpServer server({{"/v", {200, kNewer}}});
    UpdateChecker checker;
    checker.ExeFile = FixtureProgram();
    checker.DownloadDlg = false;
    Recorder r;
    r.Attach(checker);
    checker.URLCurrVerFile = server.Url("/v");
    const auto before = TempFilesNow();
    checker.TempFile = NewTempFile();
    const std::wstring first = checker.TempFile;
    checker.Execute();
    checker.TempFile = NewTempFile();
    checker.Execute();
    ASSERT_TRUE(PumpUntil([&] { return r.Ended(2); }));
    EXPECT_EQ(r.got, 2);
    EXPECT_EQ(r.current, L"4.2.1.0");
    EXPECT_EQ(r.download, L"https://example.test/orvane.zip");
    EXPECT_EQ(r.date, L"2026-12-01");
    EXPECT_EQ(r.beta, L"4.3 beta");
    EXPECT_EQ(checker.Changes, (std::vector<std::wstring>{L"first change", L"second change"}));
    EXPECT_NE(first, checker.TempFile);
    EXPECT_EQ(TempFilesNow(), before);
}

TEST(UpdateChecker, OwnFailureBoxUnlessTurnedOffOrTagged) {
    UpdateChecker checker;
    checker.ExeFile = FixtureProgram();
    checker.URLCurrVerFile = LoopbackHttpServer::RefusedUrl();
    Recorder r;
    r.Attach(checker);
    {
        test::DialogProbe probe([](const test::ProbedDialog& d) {
            EXPECT_TRUE(
                d.HasText(L"无法从 Velmoria 软件网站下载文件版本信息.\r\n 请检查您的网络连接"))
                << "failure box";
            test::Click(d.FindId(IDOK));
        });
        checker.TempFile = NewTempFile();
        const std::wstring file = checker.TempFile;
        checker.Execute();
        ASSERT_TRUE(PumpUntil([&] { return probe.found() && !test::FindOwnDialog(); }));
        probe.Wait();
        EXPECT_EQ(r.failed, 0);  // the box takes the event's place
        EXPECT_EQ(::GetFileAttributesW(file.c_str()), INVALID_FILE_ATTRIBUTES);
    }
    checker.Tag = 1;  // a tag keeps the box away: the event reports instead
    checker.TempFile = NewTempFile();
    checker.Execute();
    ASSERT_TRUE(PumpUntil([&] { return r.failed == 1; }));
}

TEST(UpdateChecker, DownloadQuestionOpensOnlyAWebAddressOnYes) {
    LoopbackHttpServer server({
        {"/newer", {200, kNewer}},
        {"/local",
         {200,
          "[CurrentVersions]\r\nOrvane=5.0.0.0\r\n[DownloadURL]\r\n"
          "Orvane=C:\\Windows\\System32\\calc.exe\r\n"}},
    });
    UpdateChecker checker;
    checker.ExeFile = FixtureProgram();
    checker.SiteName = L"example.test";
    std::vector<std::wstring> opened;
    checker.OpenURL = [&](const std::wstring& url) { opened.push_back(url); };
    Recorder r;
    r.Attach(checker);
    for (const char* path : {"/newer", "/local"}) {
        test::DialogProbe probe([](const test::ProbedDialog& d) {
            EXPECT_TRUE(d.HasText(L"有一个新版本4.2.1.0 的该程序\r\n可在: example.test\r\n"
                                  L"你现在不想下载吗?") ||
                        d.HasText(L"有一个新版本5.0.0.0 的该程序\r\n可在: example.test\r\n"
                                  L"你现在不想下载吗?"));
            test::Click(d.FindId(IDYES));
        });
        checker.URLCurrVerFile = server.Url(path);
        checker.TempFile = NewTempFile();
        const int before = r.got;
        checker.Execute();
        ASSERT_TRUE(
            PumpUntil([&] { return r.got > before && probe.found() && !test::FindOwnDialog(); }));
    }
    EXPECT_EQ(opened, std::vector<std::wstring>{L"https://example.test/orvane.zip"});
}

TEST(UpdateChecker, GoneBeforeTheDownloadEndsLeavesNothing) {
    LoopbackHttpServer server({{"/slow", {200, kNewer, true}}});
    const auto before = TempFilesNow();
    std::wstring file;
    bool reported = false;
    {
        UpdateChecker checker;
        checker.ExeFile = FixtureProgram();
        checker.DownloadDlg = false;
        checker.OnGetURL = [&](UpdateChecker&, const std::wstring&, const std::wstring&,
                               const std::wstring&, const std::wstring&) { reported = true; };
        checker.URLCurrVerFile = server.Url("/slow");
        checker.TempFile = file = NewTempFile();
        checker.Execute();
        ASSERT_TRUE(PumpUntil([&] { return server.Requests() == 1; }));
    }
    server.Release();  // the worker finishes after its component is gone
    ASSERT_TRUE(PumpUntil([&] { return TempFilesNow() == before; }));
    PumpUntil([] { return false; }, 1);  // anything still posted would arrive now
    EXPECT_FALSE(reported);
}

}  // namespace
}  // namespace orvane::win
