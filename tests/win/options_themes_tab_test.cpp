#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "common/core/AppError.h"
#include "common/win/Handles.h"
#include "dialogs_probe.h"
#include "options/core/PendingColors.h"
#include "options/win/ThemeFiles.h"
#include "options/win/ThemesTab.h"
#include "settings/win/DataPaths.h"
#include "settings_test_folder.h"

namespace orvane::win {
namespace {

using test::Click;
using test::DialogSequenceProbe;
using test::ProbedDialog;
using ::testing::ElementsAre;

// Answers the input box with `name`.
DialogSequenceProbe::Act TypeName(std::wstring name) {
    return [name = std::move(name)](const ProbedDialog& d) {
        for (const auto& c : d.controls) {
            if (c.className == L"Edit") {
                ::SendMessageW(c.hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
            }
        }
        Click(d.FindId(IDOK));
    };
}
DialogSequenceProbe::Act Answer(int button) {
    return [button](const ProbedDialog& d) { Click(d.FindId(button)); };
}

class FakeHost : public ThemesTabHost {
  public:
    PendingColorTexts& Pending() override { return pending; }
    const ThemeColors& CurrentColors() const override { return current; }
    bool Transparent() const override { return transparent; }
    void SetTransparent(bool checked) override { transparent = checked; }
    bool FullBar() const override { return fullBar; }
    void SetFullBar(bool checked) override { fullBar = checked; }
    void LbColorsClick() override { ++colorClicks; }

    PendingColorTexts pending = PendingDefaults();
    ThemeColors current;
    bool transparent = false;
    bool fullBar = true;
    int colorClicks = 0;
};

// The themes tab on a settings file beside a stand-in executable, so the theme folder is
// "Themes\" of a test folder.
class ThemesTabTest : public ::testing::Test {
  protected:
    void SetUp() override {
        WriteBytes(folder_.Path() + L"Orvane.Settings", "");
        paths_.GetIniFile();
        themes_ = folder_.Path() + L"Themes\\";
        owner_.reset(::CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE, 100, 100, 300,
                                       200, nullptr, nullptr, nullptr, nullptr));
        combo_ = ::CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST,
                                   10, 10, 200, 200, owner_.get(), nullptr, nullptr, nullptr);
        button_ = ::CreateWindowExW(0, L"BUTTON", L"删除(&D)", WS_CHILD | WS_VISIBLE, 10, 50, 80,
                                    24, owner_.get(), nullptr, nullptr, nullptr);
        ASSERT_TRUE(combo_ && button_);
        tab_ = std::make_unique<ThemesTab>(host_, paths_, owner_.get(), combo_, button_);
        tab_->LoadThemes();
    }

    std::vector<std::wstring> Entries() const {
        std::vector<std::wstring> entries;
        const auto count = ::SendMessageW(combo_, CB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            wchar_t text[300] = {};
            ::SendMessageW(combo_, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            entries.push_back(text);
        }
        return entries;
    }
    LRESULT Selection() const { return ::SendMessageW(combo_, CB_GETCURSEL, 0, 0); }
    void Choose(int entry) {
        ::SendMessageW(combo_, CB_SETCURSEL, entry, 0);
        tab_->CbThemesClick();
    }
    // Runs `handler` while the probe answers its dialogs; returns how many were answered.
    template <typename F>
    std::size_t WithDialogs(std::vector<DialogSequenceProbe::Act> acts, F handler) {
        DialogSequenceProbe probe(std::move(acts));
        handler();
        probe.Wait();
        dialogs_ = probe.dialogs();
        return probe.count();
    }
    std::wstring ThemeFile(const std::wstring& name) const {
        return themes_ + name + L".Orvane Theme";
    }

    SettingsTestFolder folder_;
    DataPaths paths_{folder_.Path()};
    std::wstring themes_;
    UniqueWindow owner_;
    HWND combo_ = nullptr;
    HWND button_ = nullptr;
    FakeHost host_;
    std::unique_ptr<ThemesTab> tab_;
    std::vector<ProbedDialog> dialogs_;
};

const std::string kNightTheme =
    "[OrvaneTheme]\r\n"
    "Ver=40\r\n"
    "Name=Night\r\n"
    "MenuMode=1\r\n"
    "TopProcessHighlight=-1\r\n"
    "FontColor=FFFFFF\r\n"
    "BackgroundColor=-1\r\n"
    "BarColor=ThreeDFace\r\n"
    "GreenColor=-1\r\n"
    "YellowColor=-1\r\n"
    "RedColor=-1\r\n"
    "Transparent=1\r\n"
    "BarOpaqueBackground=0\r\n";

TEST_F(ThemesTabTest, SaveAsWritesTheThemeInKeyOrderAndSelectsItWithoutApplying) {
    host_.pending = {L"1", L"-1", L"FFFFFF", L"-1", L"ThreeDFace", L"-1", L"-1", L"-1"};
    host_.transparent = true;
    host_.fullBar = false;
    ::EnableWindow(button_, FALSE);
    ASSERT_EQ(WithDialogs({TypeName(L"Night")}, [&] { tab_->BtnSaveAsClick(); }), 1u);
    EXPECT_EQ(dialogs_[0].title, L"保存主题");
    EXPECT_TRUE(dialogs_[0].HasText(L"主题名称"));

    EXPECT_EQ(FileBytes(ThemeFile(L"Night")), kNightTheme);
    EXPECT_THAT(Entries(), ElementsAre(L"默认颜色", L"当前颜色", L"Night"));
    EXPECT_EQ(Selection(), 2);
    EXPECT_EQ(host_.colorClicks, 0);
    EXPECT_FALSE(::IsWindowEnabled(button_));
    EXPECT_FALSE(std::filesystem::exists(ThemeFile(L"Night") + L".saving"));

    // Cancel, or an empty name, saves nothing.
    EXPECT_EQ(WithDialogs({Answer(IDCANCEL)}, [&] { tab_->BtnSaveAsClick(); }), 1u);
    EXPECT_EQ(WithDialogs({TypeName(L"")}, [&] { tab_->BtnSaveAsClick(); }), 1u);
    EXPECT_THAT(Entries(), ElementsAre(L"默认颜色", L"当前颜色", L"Night"));
}

// The file name goes on with ".Orvane Theme", so trailing dots and blanks are kept: "Night." is
// a theme of its own and never overwrites "Night", and a name of only dots is saved too.
TEST_F(ThemesTabTest, TrailingDotsAndBlanksMakeAThemeOfTheirOwn) {
    WithDialogs({TypeName(L"Night")}, [&] { tab_->BtnSaveAsClick(); });
    ASSERT_EQ(WithDialogs({TypeName(L"Night.")}, [&] { tab_->BtnSaveAsClick(); }), 1u)
        << "asked to replace another theme";
    WithDialogs({TypeName(L". .")}, [&] { tab_->BtnSaveAsClick(); });
    EXPECT_TRUE(std::filesystem::exists(ThemeFile(L"Night")));
    EXPECT_TRUE(std::filesystem::exists(ThemeFile(L"Night.")));
    EXPECT_TRUE(std::filesystem::exists(ThemeFile(L". .")));
    const auto entries = Entries();
    EXPECT_EQ(std::set<std::wstring>(entries.begin() + 2, entries.end()),
              (std::set<std::wstring>{L"Night", L"Night.", L". ."}));
}

TEST_F(ThemesTabTest, SaveAsCleansTheNameAndNeverWritesToADevice) {
    WithDialogs({TypeName(L"a/b:c")}, [&] { tab_->BtnSaveAsClick(); });
    WithDialogs({TypeName(L"CON")}, [&] { tab_->BtnSaveAsClick(); });
    WithDialogs({TypeName(L"当前颜色")}, [&] { tab_->BtnSaveAsClick(); });
    std::set<std::wstring> files;
    for (const auto& entry : std::filesystem::directory_iterator(themes_)) {
        files.insert(entry.path().filename().wstring());
    }
    EXPECT_EQ(files, (std::set<std::wstring>{L"a_b_c.Orvane Theme", L"_CON.Orvane Theme",
                                             L"当前颜色.Orvane Theme"}));
    const auto entries = Entries();
    EXPECT_EQ(std::set<std::wstring>(entries.begin() + 2, entries.end()),
              (std::set<std::wstring>{L"a_b_c", L"_CON", L"当前颜色"}));
    // A theme named like the built-in entry: the selection lands on the built-in one.
    EXPECT_EQ(Selection(), 1);
    EXPECT_EQ(host_.colorClicks, 0);
}

TEST_F(ThemesTabTest, SavingOverAnExistingThemeAsksAndKeepsItsOtherKeys) {
    const std::string existing =
        "[Notes]\r\nAuthor=me\r\n[OrvaneTheme]\r\nVer=30\r\nExtra=keep\r\nRedColor=0000FF\r\n";
    std::filesystem::create_directories(themes_);
    WriteBytes(ThemeFile(L"Night"), existing);
    tab_->LoadThemes();

    ASSERT_EQ(WithDialogs({TypeName(L"Night"), Answer(IDNO)}, [&] { tab_->BtnSaveAsClick(); }), 2u);
    EXPECT_TRUE(dialogs_[1].HasText(L"一个具有相同名称的主题已存在. 你要替换它?"));
    EXPECT_EQ(FileBytes(ThemeFile(L"Night")), existing);

    ASSERT_EQ(WithDialogs({TypeName(L"Night"), Answer(IDYES)}, [&] { tab_->BtnSaveAsClick(); }),
              2u);
    const ThemeValues saved = LoadTheme(ThemeFile(L"Night"));
    EXPECT_EQ(saved.Texts, host_.pending);
    EXPECT_EQ(saved.Transparent, host_.transparent);
    EXPECT_EQ(saved.FullBar, host_.fullBar);
    const std::string bytes = FileBytes(ThemeFile(L"Night"));
    EXPECT_NE(bytes.find("[Notes]\r\nAuthor=me\r\n"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("Extra=keep\r\n"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("RedColor=-1\r\n"), std::string::npos) << bytes;

    // The same name in other letters: one entry, selected.
    WithDialogs({TypeName(L"NIGHT"), Answer(IDYES)}, [&] { tab_->BtnSaveAsClick(); });
    ASSERT_EQ(Entries().size(), 3u);
    EXPECT_EQ(Selection(), 2);
}

TEST_F(ThemesTabTest, AFailedSaveReportsThePathAndLeavesTheList) {
    // "Themes" is a file here, so no theme can be written into it.
    std::filesystem::remove_all(themes_);
    WriteBytes(folder_.Path() + L"Themes", "");
    ::SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"marker"));
    std::wstring error;
    WithDialogs({TypeName(L"Night")}, [&] {
        try {
            tab_->BtnSaveAsClick();
        } catch (const AppError& e) {
            error = e.Message();
        }
    });
    EXPECT_EQ(error, L"Unable to write to " + ThemeFile(L"Night"));
    EXPECT_THAT(Entries(), ElementsAre(L"默认颜色", L"当前颜色", L"marker"));
}

TEST_F(ThemesTabTest, ChoosingAnEntryFillsThePendingValues) {
    std::filesystem::create_directories(themes_);
    WriteBytes(ThemeFile(L"Old"),
               "[OrvaneTheme]\r\nVer=30\r\nMenuMode=abc\r\nRedColor=0000FF\r\n"
               "OpaqueBackground=1\r\nBarOpaqueBackground=1\r\n");
    WriteBytes(ThemeFile(L"New"), "[OrvaneTheme]\r\nVer=40\r\nBarOpaqueBackground=0\r\n");
    tab_->LoadThemes();
    const auto entries = Entries();
    const int oldEntry =
        static_cast<int>(std::find(entries.begin(), entries.end(), L"Old") - entries.begin());
    const int newEntry =
        static_cast<int>(std::find(entries.begin(), entries.end(), L"New") - entries.begin());

    host_.transparent = true;
    host_.fullBar = false;
    Choose(oldEntry);
    EXPECT_THAT(host_.pending,
                ElementsAre(L"abc", L"-1", L"-1", L"-1", L"-1", L"-1", L"-1", L"0000FF"));
    EXPECT_FALSE(host_.transparent);
    EXPECT_TRUE(host_.fullBar);
    EXPECT_TRUE(::IsWindowEnabled(button_));
    EXPECT_EQ(host_.colorClicks, 1);

    Choose(newEntry);
    EXPECT_TRUE(host_.transparent);
    EXPECT_FALSE(host_.fullBar);
    EXPECT_THAT(host_.pending, ::testing::Each(L"-1"));

    host_.current.MenuMode = 0;
    host_.current.FontColor = RgbColor(0xFF, 0x80, 0);
    host_.fullBar = true;
    Choose(1);
    EXPECT_EQ(host_.pending, PendingFromColors(host_.current));
    EXPECT_TRUE(host_.fullBar);
    EXPECT_FALSE(::IsWindowEnabled(button_));
    EXPECT_EQ(host_.colorClicks, 3);
}

TEST_F(ThemesTabTest, DefaultColoursAskFirstAndReturnToCurrentColours) {
    const PendingColorTexts before = {L"1", L"FF0000", L"-1", L"-1", L"-1", L"-1", L"-1", L"-1"};
    host_.pending = before;
    host_.transparent = false;
    host_.fullBar = true;
    ASSERT_EQ(WithDialogs({Answer(IDNO)}, [&] { Choose(0); }), 1u);
    EXPECT_TRUE(dialogs_[0].HasText(L"你确定要重置所有颜色?"));
    EXPECT_EQ(dialogs_[0].Buttons(), (std::vector<std::wstring>{L"是(&Y)", L"否(&N)"}));
    EXPECT_EQ(host_.pending, before);
    EXPECT_FALSE(host_.transparent);
    EXPECT_EQ(Selection(), 1);

    ASSERT_EQ(WithDialogs({Answer(IDYES)}, [&] { Choose(0); }), 1u);
    EXPECT_THAT(host_.pending, ::testing::Each(L"-1"));
    EXPECT_TRUE(host_.transparent);
    EXPECT_TRUE(host_.fullBar);
    EXPECT_EQ(Selection(), 1);
    EXPECT_EQ(host_.colorClicks, 2);
}

TEST_F(ThemesTabTest, DeleteAsksThenRemovesFileAndEntry) {
    std::filesystem::create_directories(themes_);
    WriteBytes(ThemeFile(L"Night"), kNightTheme);
    tab_->LoadThemes();
    Choose(2);
    ASSERT_EQ(WithDialogs({Answer(IDNO)}, [&] { tab_->BtnDeleteThemeClick(); }), 1u);
    EXPECT_TRUE(dialogs_[0].HasText(L"你确定要删除选择的主题?"));
    EXPECT_TRUE(std::filesystem::exists(ThemeFile(L"Night")));
    EXPECT_EQ(Entries().size(), 3u);

    ASSERT_EQ(WithDialogs({Answer(IDYES)}, [&] { tab_->BtnDeleteThemeClick(); }), 1u);
    EXPECT_FALSE(std::filesystem::exists(ThemeFile(L"Night")));
    EXPECT_THAT(Entries(), ElementsAre(L"默认颜色", L"当前颜色"));
    EXPECT_EQ(Selection(), 1);
    EXPECT_FALSE(::IsWindowEnabled(button_));
}

TEST_F(ThemesTabTest, AFailedDeleteReportsThePathAndKeepsTheEntry) {
    std::filesystem::create_directories(themes_);
    WriteBytes(ThemeFile(L"Night"), kNightTheme);
    ASSERT_TRUE(::SetFileAttributesW(ThemeFile(L"Night").c_str(), FILE_ATTRIBUTE_READONLY));
    tab_->LoadThemes();
    Choose(2);
    std::wstring error;
    WithDialogs({Answer(IDYES)}, [&] {
        try {
            tab_->BtnDeleteThemeClick();
        } catch (const AppError& e) {
            error = e.Message();
        }
    });
    EXPECT_EQ(error, L"Unable to delete " + ThemeFile(L"Night"));
    EXPECT_TRUE(std::filesystem::exists(ThemeFile(L"Night")));
    EXPECT_THAT(Entries(), ElementsAre(L"默认颜色", L"当前颜色", L"Night"));
    EXPECT_EQ(Selection(), 2);
    EXPECT_TRUE(::IsWindowEnabled(button_));
    ::SetFileAttributesW(ThemeFile(L"Night").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(ThemeFilesTest, ListsHiddenAndSystemFilesButNoFoldersOrOtherFiles) {
    SettingsTestFolder folder;
    const std::wstring themes = folder.Path();
    for (const wchar_t* name : {L"plain", L"hidden", L"system"}) {
        WriteBytes(ThemeFilePath(themes, name), "");
    }
    ::SetFileAttributesW(ThemeFilePath(themes, L"hidden").c_str(), FILE_ATTRIBUTE_HIDDEN);
    ::SetFileAttributesW(ThemeFilePath(themes, L"system").c_str(), FILE_ATTRIBUTE_SYSTEM);
    std::filesystem::create_directories(ThemeFilePath(themes, L"folder"));
    WriteBytes(themes + L"other.txt", "");
    WriteBytes(ThemeFilePath(themes, L"backup") + L".bak", "");
    const auto names = ListThemes(themes);
    EXPECT_EQ(std::set<std::wstring>(names.begin(), names.end()),
              (std::set<std::wstring>{L"plain", L"hidden", L"system"}));
    EXPECT_EQ(names.size(), 3u);
    EXPECT_TRUE(ListThemes(themes + L"missing\\").empty());
}

}  // namespace
}  // namespace orvane::win
