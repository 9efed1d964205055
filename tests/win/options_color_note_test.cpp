#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>

#include "options/win/OptionsDialog.h"
#include "options_recording_host.h"
#include "settings_test_folder.h"

namespace orvane::win {
namespace {

// Each of the two boxes governs only its own colour entry's note and picker: the transparent
// background entry 3, the bar-coloured digits entry 2.
class ColorNoteTest : public ::testing::Test {
  protected:
    void SetUp() override {
        host.options.TransBk = true;
        host.options.DigitsColored = true;
        form = std::make_unique<OptionsDialog>(host);
        ASSERT_TRUE(form->Create(nullptr, true));
        ::ShowWindow(form->Handle(), SW_SHOWNA);
    }
    void Show(int entry) {
        ::SendMessageW(form->LbColors, LB_SETCURSEL, static_cast<WPARAM>(entry), 0);
        form->LbColorsClick();
    }
    bool NoteShown() const { return ::IsWindowVisible(form->LabelTransWarning) != FALSE; }
    bool PickerEnabled() const { return ::IsWindowEnabled(form->CmbForeground) != FALSE; }
    static void Click(HWND box) { ::SendMessageW(box, BM_CLICK, 0, 0); }

    SettingsTestFolder folder;
    RecordingHost host{folder.Path()};
    std::unique_ptr<OptionsDialog> form;
};

TEST_F(ColorNoteTest, EachBoxGovernsOnlyItsOwnEntry) {
    struct Case {
        int shown;                   // the entry the list shows, with its own box ticked
        HWND OptionsDialog::*other;  // the box of the other entry, toggled
    };
    for (const Case c :
         {Case{2, &OptionsDialog::CheckTransparent}, Case{3, &OptionsDialog::CkDigitsColored}}) {
        Show(c.shown);
        ASSERT_TRUE(NoteShown()) << c.shown;
        ASSERT_FALSE(PickerEnabled()) << c.shown;
        for (int toggle = 0; toggle < 2; ++toggle) {
            Click((*form).*c.other);
            EXPECT_FALSE(NoteShown()) << c.shown << " toggle " << toggle;
            EXPECT_TRUE(PickerEnabled()) << c.shown << " toggle " << toggle;
        }
    }
}

TEST_F(ColorNoteTest, OwnBoxShowsAndHidesTheNote) {
    struct Case {
        int entry;
        HWND OptionsDialog::*box;
        const wchar_t* note;
    };
    for (const Case c : {Case{2, &OptionsDialog::CkDigitsColored, L"注: 由条形颜色设置字体颜色"},
                         Case{3, &OptionsDialog::CheckTransparent, L"注: 背景设置为透明"}}) {
        Show(c.entry);
        Click((*form).*c.box);  // cleared
        EXPECT_FALSE(NoteShown()) << c.entry;
        EXPECT_TRUE(PickerEnabled()) << c.entry;
        Click((*form).*c.box);  // ticked again
        EXPECT_TRUE(NoteShown()) << c.entry;
        EXPECT_FALSE(PickerEnabled()) << c.entry;
        wchar_t text[128] = {};
        ::GetWindowTextW(form->LabelTransWarning, text, 128);
        EXPECT_STREQ(text, c.note);
    }
}

}  // namespace
}  // namespace orvane::win
