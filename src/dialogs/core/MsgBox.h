#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "dialogs/core/FormatText.h"

namespace orvane {

// Opaque platform handles: a window and an icon. The Windows shell converts them.
using WindowHandle = void*;
using IconHandle = void*;

// The title of dialogs that set no caption of their own.
inline constexpr wchar_t kApplicationTitle[] = L"Orvane";

// Dialog result numbers.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdRetry = 4;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;
inline constexpr int kIdClose = 8;

// Main and footer icons of a box.
inline constexpr std::int32_t kIconNone = 0;
inline constexpr std::int32_t kIconWarning = 1;
inline constexpr std::int32_t kIconError = 2;
inline constexpr std::int32_t kIconInformation = 3;
inline constexpr std::int32_t kIconShield = 4;
inline constexpr std::int32_t kIconQuestion = 32514;  // the system's question-mark icon

// Common buttons, as bits of a set.
inline constexpr std::uint32_t kButtonOk = 0x01;
inline constexpr std::uint32_t kButtonYes = 0x02;
inline constexpr std::uint32_t kButtonNo = 0x04;
inline constexpr std::uint32_t kButtonCancel = 0x08;
inline constexpr std::uint32_t kButtonRetry = 0x10;
inline constexpr std::uint32_t kButtonClose = 0x20;

// One common button, for the default-button choice.
enum class TCommonButton : std::int32_t { OK = 0, Yes, No, Cancel, Retry, Close };

// Dialog flags: each is the number of its bit in `TMsgBox::FFlags`.
enum TTaskDialogFlag : int {
    tfEnableHyperlinks = 0,
    tfUseHiconMain = 1,
    tfUseHiconFooter = 2,
    tfAllowDialogCancellation = 3,
    tfUseCommandLinks = 4,
    tfUseCommandLinksNoIcon = 5,
    tfExpandFooterArea = 6,
    tfExpandedByDefault = 7,
    tfVerificationFlagChecked = 8,
    tfShowProgressBar = 9,
    tfShowMarqueeProgressBar = 10,
    tfCallbackTimer = 11,
    tfPositionRelativeToWindow = 12,
    tfRtlLayout = 13,
    tfNoDefaultRadioButton = 14,
    tfCanBeMinimized = 15,
    tfSizeToContent = 16,
};

constexpr std::uint32_t FlagBit(int flag) {
    return std::uint32_t{1} << flag;
}

enum class TDetailsPosition : std::int32_t { dpMain = 0, dpFooter = 1 };

struct TTaskDialogButtonRec {
    std::wstring Caption;
    std::int32_t ModalResult = 0;
    bool Default = false;
};

using TLinkHandler = std::function<void(const std::wstring& url)>;

// A message dialog described as a value. Every operation but Execute returns a changed
// copy, so a dialog is written as one chain ending in Execute.
struct TMsgBox {
    WindowHandle FOwner = nullptr;
    std::wstring FCaption;
    std::wstring FMainText;
    std::wstring FSecondText;
    std::wstring FDetailsCaption;
    std::wstring FDetailsText;
    TDetailsPosition FDetailsPosition = TDetailsPosition::dpMain;
    bool FDetailsExpanded = false;
    std::int32_t FIcon = kIconNone;
    IconHandle FCustomIcon = nullptr;
    std::uint32_t FButtons = 0;
    TCommonButton FDefButton = TCommonButton::OK;
    std::vector<TTaskDialogButtonRec> FCustomButtons;
    std::wstring FFooterText;
    std::int32_t FFooterIcon = kIconNone;
    IconHandle FCustomFooterIcon = nullptr;
    std::wstring FVerificationText;
    bool FVerificationChecked = false;
    bool* FVerificationCheckedRes = nullptr;
    std::uint32_t FFlags = 0;
    bool FHyperlinks = false;
    std::vector<std::wstring> FRadioButtons;
    std::int32_t FDefRadioButton = 0;
    TLinkHandler FLinkHandler;
    std::int32_t FRadioOut = -1;

    [[nodiscard]] TMsgBox Text(const std::wstring& AText) const;
    [[nodiscard]] TMsgBox TextFmt(const std::wstring& AText,
                                  const std::vector<FormatArg>& Args) const;
    [[nodiscard]] TMsgBox Info() const;
    [[nodiscard]] TMsgBox Warning() const;
    [[nodiscard]] TMsgBox Error() const;
    [[nodiscard]] TMsgBox Shield() const;
    [[nodiscard]] TMsgBox Question() const;
    [[nodiscard]] TMsgBox CustomIcon(IconHandle AIcon) const;
    [[nodiscard]] TMsgBox WindowCaption(const std::wstring& AText) const;
    [[nodiscard]] TMsgBox Details(const std::wstring& AText,
                                  TDetailsPosition APosition = TDetailsPosition::dpMain,
                                  const std::wstring& ACaption = {}, bool AExpanded = false) const;
    [[nodiscard]] TMsgBox Footer(const std::wstring& AText, std::int32_t AIcon = kIconNone,
                                 IconHandle ACustomIcon = nullptr) const;
    [[nodiscard]] TMsgBox Verification(const std::wstring& AText, bool* AChecked = nullptr) const;
    [[nodiscard]] TMsgBox Hypertext(TLinkHandler ALinkHandler = {}) const;
    [[nodiscard]] TMsgBox OK() const;
    [[nodiscard]] TMsgBox OKCancel() const;
    [[nodiscard]] TMsgBox Cancel() const;
    [[nodiscard]] TMsgBox Close() const;
    [[nodiscard]] TMsgBox YesNo() const;
    [[nodiscard]] TMsgBox YesNoCancel() const;
    [[nodiscard]] TMsgBox AddButton(const std::wstring& ACaption, std::int32_t AModalResult,
                                    bool ADefault = false) const;
    [[nodiscard]] TMsgBox DefButton(TCommonButton AButton) const;
    [[nodiscard]] TMsgBox AddRadioButton(const std::wstring& ACaption) const;
    [[nodiscard]] TMsgBox AddRadioButtons(const std::vector<std::wstring>& ACaptions) const;
    [[nodiscard]] TMsgBox DefRadioButton(std::int32_t AIndex) const;
    [[nodiscard]] TMsgBox SetFlags(std::uint32_t AFlags) const;
    [[nodiscard]] TMsgBox AddFlag(int AFlag) const;
    [[nodiscard]] TMsgBox ClearFlag(int AFlag) const;

    // Shows the dialog modally and returns the pressed button's number (2 when it was
    // dismissed or could not be shown). The owner is `AOwnerForm`, else the desktop window
    // when `bUseDeskTopWindow`, else none. Sets FOwner and FRadioOut. Defined by the Windows
    // shell (dialogs/win/MessageDialogs.cpp).
    int Execute(WindowHandle AOwnerForm = nullptr, bool bUseDeskTopWindow = false);
    // Execute(AOwnerForm, false), then ARadioButton := FRadioOut.
    int Execute(std::int32_t& ARadioButton, WindowHandle AOwnerForm = nullptr);
};

// A new box whose main instruction is `AText`; Esc and the close box dismiss it.
TMsgBox NewMsgBox(const std::wstring& AText = {});

}  // namespace orvane
