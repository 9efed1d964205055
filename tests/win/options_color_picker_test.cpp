#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "common/win/Handles.h"
#include "dialogs_probe.h"
#include "options/core/CustomColors.h"
#include "options/core/PickerColors.h"
#include "options/win/ColorPicker.h"
#include "settings/win/ProfileFile.h"
#include "settings_test_folder.h"

namespace orvane::win {
namespace {

using test::Click;
using test::DialogProbe;
using test::ProbedDialog;

constexpr int kComboId = 42;

// A top-level window holding an owner-drawn drop-down, as the options dialog creates it.
class PickerFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        owner_.reset(::CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE, 100, 100, 300,
                                       200, nullptr, nullptr, nullptr, nullptr));
        ASSERT_TRUE(owner_);
        combo_ = ::CreateWindowExW(0, L"COMBOBOX", L"",
                                   WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST |
                                       CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
                                   10, 10, 200, 300, owner_.get(),
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(kComboId)), nullptr,
                                   nullptr);
        ASSERT_NE(combo_, nullptr);
        picker_.Attach(combo_);
    }

    std::wstring ItemText(int item) const {
        wchar_t text[64] = {};
        ::SendMessageW(combo_, CB_GETLBTEXT, item, reinterpret_cast<LPARAM>(text));
        return text;
    }
    LRESULT Selection() const { return ::SendMessageW(combo_, CB_GETCURSEL, 0, 0); }
    // The user picks an item from the list.
    bool Pick(std::size_t item) {
        ::SendMessageW(combo_, CB_SETCURSEL, item, 0);
        return picker_.OnSelChange();
    }

    // The colour of the middle of item `item`'s swatch, drawn into a bitmap.
    COLORREF SwatchPixel(UINT item) {
        const WindowDc screen(nullptr);
        const UniqueMemoryDc dc(::CreateCompatibleDC(screen.get()));
        const UniqueBitmap bitmap(::CreateCompatibleBitmap(screen.get(), 200, 20));
        const SelectObjectGuard select(dc.get(), bitmap.get());
        DRAWITEMSTRUCT draw{};
        draw.CtlType = ODT_COMBOBOX;
        draw.CtlID = kComboId;
        draw.itemID = item;
        draw.itemAction = ODA_DRAWENTIRE;
        draw.hwndItem = combo_;
        draw.hDC = dc.get();
        draw.rcItem = RECT{0, 0, 200, 20};
        EXPECT_TRUE(picker_.OnDrawItem(draw));
        return ::GetPixel(dc.get(), 10, 10);
    }

    UniqueWindow owner_;
    HWND combo_ = nullptr;
    ColorPicker picker_;
};

TEST_F(PickerFixture, ListsAutomaticNamedColoursAndCustom) {
    ASSERT_EQ(::SendMessageW(combo_, CB_GETCOUNT, 0, 0), 43);
    EXPECT_EQ(ItemText(0), L"Automatic");
    EXPECT_EQ(ItemText(1), L"Black");
    EXPECT_EQ(ItemText(16), L"White");
    EXPECT_EQ(ItemText(17), L"ScrollBar");
    EXPECT_EQ(ItemText(32), L"ThreeDFace");
    EXPECT_EQ(ItemText(42), L"Custom...");
    EXPECT_GT(::SendMessageW(combo_, CB_GETITEMHEIGHT, 0, 0), 10);

    // Rebuilding keeps the selection.
    picker_.SelectColor(SystemColor(15));
    picker_.RebuildItems();
    EXPECT_EQ(::SendMessageW(combo_, CB_GETCOUNT, 0, 0), 43);
    EXPECT_EQ(Selection(), 32);
}

TEST_F(PickerFixture, SelectsTheColoursItemOrFallsBackOnCustom) {
    picker_.SelectColor(RgbColor(0xFF, 0x80, 0x00));
    EXPECT_EQ(Selection(), 42);
    EXPECT_FALSE(picker_.IsAutomatic());
    EXPECT_EQ(picker_.SelectedColor(), RgbColor(0xFF, 0x80, 0x00));

    picker_.SelectColor(RgbColor(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(Selection(), 16);
    EXPECT_EQ(picker_.CustomColor(), RgbColor(0xFF, 0xFF, 0xFF));

    picker_.SelectColor(SystemColor(15));
    EXPECT_EQ(Selection(), 32);
    EXPECT_EQ(picker_.SelectedColor(), SystemColor(15));

    picker_.SelectAutomatic();
    EXPECT_EQ(Selection(), 0);
    EXPECT_TRUE(picker_.IsAutomatic());
    EXPECT_EQ(picker_.SelectedColor(), kAutomaticColor);

    EXPECT_TRUE(Pick(10));
    EXPECT_EQ(picker_.SelectedColor(), RgbColor(0xFF, 0, 0));
}

TEST_F(PickerFixture, SwatchesShowTheDefaultTheColourAndTheCustomColour) {
    picker_.SetDefaultColor(RgbColor(0, 0, 0xFF));
    EXPECT_EQ(SwatchPixel(0), RGB(0, 0, 0xFF));
    EXPECT_EQ(SwatchPixel(10), RGB(0xFF, 0, 0));
    EXPECT_EQ(SwatchPixel(32), ::GetSysColor(COLOR_3DFACE));
    picker_.SelectColor(RgbColor(0x12, 0x34, 0x56));
    EXPECT_EQ(SwatchPixel(42), RGB(0x12, 0x34, 0x56));
    // Disabled, no swatch claims a colour.
    ::EnableWindow(combo_, FALSE);
    EXPECT_EQ(SwatchPixel(10), ::GetSysColor(COLOR_BTNFACE));
}

TEST_F(PickerFixture, CustomRunsTheColourDialogAndKeepsItsCustomColours) {
    SettingsTestFolder folder;
    const std::wstring settings = folder.Path() + L"Orvane.Settings";
    picker_.SetCustomColorsFile(settings);
    picker_.SelectColor(SystemColor(15));
    {
        // Cancel puts the previous item back.
        DialogProbe probe([](const ProbedDialog& d) { Click(d.FindId(IDCANCEL)); });
        EXPECT_FALSE(Pick(kPickerCustomItem));
        probe.Wait();
        ASSERT_TRUE(probe.found());
        EXPECT_EQ(Selection(), 32);
        EXPECT_EQ(picker_.SelectedColor(), SystemColor(15));
    }
    picker_.SelectColor(RgbColor(0x10, 0x20, 0x30));
    {
        // The dialog starts from the custom colour; "Add to custom colours" stores it.
        constexpr int kAddToCustomColors = 712;
        DialogProbe probe([](const ProbedDialog& d) {
            ::SendMessageW(d.hwnd, WM_COMMAND, MAKEWPARAM(kAddToCustomColors, BN_CLICKED),
                           reinterpret_cast<LPARAM>(::GetDlgItem(d.hwnd, kAddToCustomColors)));
            Click(d.FindId(IDOK));
        });
        EXPECT_TRUE(Pick(kPickerCustomItem));
        probe.Wait();
        ASSERT_TRUE(probe.found());
    }
    EXPECT_EQ(Selection(), 42);
    EXPECT_EQ(picker_.SelectedColor(), RgbColor(0x10, 0x20, 0x30));
    const std::wstring stored =
        ProfileFile(settings).ReadString(kCustomColorsSection, kCustomColorsKey, L"");
    EXPECT_EQ(DecodeCustomColors(stored)[0], RgbColor(0x10, 0x20, 0x30)) << stored;
}

}  // namespace
}  // namespace orvane::win
