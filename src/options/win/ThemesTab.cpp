#include "options/win/ThemesTab.h"

#include "common/core/AppError.h"
#include "common/win/FileChecks.h"
#include "dialogs/core/MessageBoxBuilder.h"
#include "options/core/ThemeName.h"
#include "options/win/InputBox.h"
#include "options/win/ThemeFiles.h"

namespace orvane::win {

namespace {

constexpr int kDefaultColorsEntry = 0;
constexpr int kCurrentColorsEntry = 1;
constexpr int kFirstThemeEntry = 2;

constexpr wchar_t kDefaultColorsText[] = L"默认颜色";
constexpr wchar_t kCurrentColorsText[] = L"当前颜色";
constexpr wchar_t kResetQuestion[] = L"你确定要重置所有颜色?";
constexpr wchar_t kReplaceQuestion[] = L"一个具有相同名称的主题已存在. 你要替换它?";
constexpr wchar_t kDeleteQuestion[] = L"你确定要删除选择的主题?";
constexpr wchar_t kSaveCaption[] = L"保存主题";
constexpr wchar_t kNamePrompt[] = L"主题名称";

}  // namespace

ThemesTab::ThemesTab(ThemesTabHost& host, const DataPaths& paths, HWND owner, HWND cbThemes,
                     HWND btnDeleteTheme)
    : host_(host),
      paths_(paths),
      owner_(owner),
      cbThemes_(cbThemes),
      btnDeleteTheme_(btnDeleteTheme) {}

std::wstring ThemesTab::EntryText(int entry) const {
    const LRESULT length = ::SendMessageW(cbThemes_, CB_GETLBTEXTLEN, entry, 0);
    if (length == CB_ERR) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied =
        ::SendMessageW(cbThemes_, CB_GETLBTEXT, entry, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == CB_ERR ? 0 : static_cast<std::size_t>(copied));
    return text;
}

int ThemesTab::SelectedEntry() const {
    return static_cast<int>(::SendMessageW(cbThemes_, CB_GETCURSEL, 0, 0));
}

void ThemesTab::SelectEntry(int entry) {
    ::SendMessageW(cbThemes_, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
}

bool ThemesTab::Ask(const std::wstring& question) const {
    return NewMsgBox(question).Question().YesNo().Execute(owner_) == kIdYes;
}

void ThemesTab::LoadThemes() {
    ::SendMessageW(cbThemes_, CB_RESETCONTENT, 0, 0);
    const auto add = [this](const std::wstring& text) {
        ::SendMessageW(cbThemes_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    };
    add(kDefaultColorsText);
    add(kCurrentColorsText);
    for (const std::wstring& name : ListThemes(ThemeFolder(paths_))) {
        add(name);
    }
}

void ThemesTab::CbThemesClick() {
    const int entry = SelectedEntry();
    ::EnableWindow(btnDeleteTheme_, entry >= kFirstThemeEntry);
    if (entry == kDefaultColorsEntry) {
        if (Ask(kResetQuestion)) {
            host_.Pending() = PendingDefaults();
            host_.SetTransparent(true);
        }
        // Back on "current colours" without applying them: the pending values stay.
        SelectEntry(kCurrentColorsEntry);
    } else if (entry == kCurrentColorsEntry) {
        host_.Pending() = PendingFromColors(host_.CurrentColors());
    } else if (entry >= kFirstThemeEntry) {
        const ThemeValues theme = LoadTheme(ThemeFilePath(ThemeFolder(paths_), EntryText(entry)));
        host_.Pending() = theme.Texts;
        host_.SetTransparent(theme.Transparent);
        host_.SetFullBar(theme.FullBar);
    }
    host_.LbColorsClick();
}

void ThemesTab::BtnSaveAsClick() {
    std::wstring typed;
    if (!InputQuery(owner_, kSaveCaption, kNamePrompt, typed) || typed.empty()) {
        return;
    }
    const std::wstring name = CleanThemeName(std::move(typed));
    const std::wstring path = ThemeFilePath(ThemeFolder(paths_), name);
    if (FileExists(path) && !Ask(kReplaceQuestion)) {
        return;
    }
    SaveTheme(path, name, ThemeValues{host_.Pending(), host_.Transparent(), host_.FullBar()});
    LoadThemes();
    // The first entry of that name, the built-in ones included; nothing is applied.
    const int count = static_cast<int>(::SendMessageW(cbThemes_, CB_GETCOUNT, 0, 0));
    for (int entry = 0; entry < count; ++entry) {
        const std::wstring text = EntryText(entry);
        if (::CompareStringOrdinal(text.c_str(), static_cast<int>(text.size()), name.c_str(),
                                   static_cast<int>(name.size()), TRUE) == CSTR_EQUAL) {
            SelectEntry(entry);
            break;
        }
    }
}

void ThemesTab::BtnDeleteThemeClick() {
    const int entry = SelectedEntry();
    if (entry < kFirstThemeEntry || !Ask(kDeleteQuestion)) {
        return;
    }
    const std::wstring path = ThemeFilePath(ThemeFolder(paths_), EntryText(entry));
    if (!DeleteTheme(path)) {
        // The file would list again next time: the entry stays.
        throw AppError(L"Unable to delete " + path);
    }
    ::SendMessageW(cbThemes_, CB_DELETESTRING, static_cast<WPARAM>(entry), 0);
    SelectEntry(kCurrentColorsEntry);
    ::EnableWindow(btnDeleteTheme_, FALSE);
}

}  // namespace orvane::win
