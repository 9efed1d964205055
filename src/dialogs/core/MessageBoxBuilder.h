#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "common/core/ApplicationTitle.h"
#include "dialogs/core/FormatText.h"

namespace orvane {

// Opaque platform handles: a window and an icon. The Windows shell converts them.
using WindowHandle = void*;
using IconHandle = void*;

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
enum class CommonButton : std::int32_t { OK = 0, Yes, No, Cancel, Retry, Close };

// Dialog flags: each is the number of its bit in `MessageBoxBuilder::flags_`.
enum TaskDialogFlag : int {
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

enum class DetailsPosition : std::int32_t { dpMain = 0, dpFooter = 1 };

struct CustomButton {
    std::wstring Caption;
    std::int32_t ModalResult = 0;
    bool Default = false;
};

using LinkHandler = std::function<void(const std::wstring& url)>;

// A message dialog described as a value. Every operation but Execute returns a changed
// copy, so a dialog is written as one chain ending in Execute.
struct MessageBoxBuilder {
    WindowHandle owner_ = nullptr;
    std::wstring caption_;
    std::wstring mainText_;
    std::wstring secondText_;
    std::wstring detailsCaption_;
    std::wstring detailsText_;
    DetailsPosition detailsPosition_ = DetailsPosition::dpMain;
    bool detailsExpanded_ = false;
    std::int32_t icon_ = kIconNone;
    IconHandle customIcon_ = nullptr;
    std::uint32_t buttons_ = 0;
    CommonButton defButton_ = CommonButton::OK;
    std::vector<CustomButton> customButtons_;
    std::wstring footerText_;
    std::int32_t footerIcon_ = kIconNone;
    IconHandle customFooterIcon_ = nullptr;
    std::wstring verificationText_;
    bool verificationChecked_ = false;
    bool* verificationCheckedRes_ = nullptr;
    std::uint32_t flags_ = 0;
    bool hyperlinks_ = false;
    std::vector<std::wstring> radioButtons_;
    std::int32_t defRadioButton_ = 0;
    LinkHandler linkHandler_;
    std::int32_t radioOut_ = -1;

    [[nodiscard]] MessageBoxBuilder Text(const std::wstring& AText) const;
    [[nodiscard]] MessageBoxBuilder TextFmt(const std::wstring& AText,
                                            const std::vector<FormatArg>& Args) const;
    [[nodiscard]] MessageBoxBuilder Info() const;
    [[nodiscard]] MessageBoxBuilder Warning() const;
    [[nodiscard]] MessageBoxBuilder Error() const;
    [[nodiscard]] MessageBoxBuilder Shield() const;
    [[nodiscard]] MessageBoxBuilder Question() const;
    [[nodiscard]] MessageBoxBuilder CustomIcon(IconHandle AIcon) const;
    [[nodiscard]] MessageBoxBuilder WindowCaption(const std::wstring& AText) const;
    [[nodiscard]] MessageBoxBuilder Details(const std::wstring& AText,
                                            DetailsPosition APosition = DetailsPosition::dpMain,
                                            const std::wstring& ACaption = {},
                                            bool AExpanded = false) const;
    [[nodiscard]] MessageBoxBuilder Footer(const std::wstring& AText,
                                           std::int32_t AIcon = kIconNone,
                                           IconHandle ACustomIcon = nullptr) const;
    [[nodiscard]] MessageBoxBuilder Verification(const std::wstring& AText,
                                                 bool* AChecked = nullptr) const;
    [[nodiscard]] MessageBoxBuilder Hypertext(LinkHandler ALinkHandler = {}) const;
    [[nodiscard]] MessageBoxBuilder OK() const;
    [[nodiscard]] MessageBoxBuilder OKCancel() const;
    [[nodiscard]] MessageBoxBuilder Cancel() const;
    [[nodiscard]] MessageBoxBuilder Close() const;
    [[nodiscard]] MessageBoxBuilder YesNo() const;
    [[nodiscard]] MessageBoxBuilder YesNoCancel() const;
    [[nodiscard]] MessageBoxBuilder AddButton(const std::wstring& ACaption,
                                              std::int32_t AModalResult,
                                              bool ADefault = false) const;
    [[nodiscard]] MessageBoxBuilder DefButton(CommonButton AButton) const;
    [[nodiscard]] MessageBoxBuilder AddRadioButton(const std::wstring& ACaption) const;
    [[nodiscard]] MessageBoxBuilder AddRadioButtons(
        const std::vector<std::wstring>& ACaptions) const;
    [[nodiscard]] MessageBoxBuilder DefRadioButton(std::int32_t AIndex) const;
    [[nodiscard]] MessageBoxBuilder SetFlags(std::uint32_t AFlags) const;
    [[nodiscard]] MessageBoxBuilder AddFlag(int AFlag) const;
    [[nodiscard]] MessageBoxBuilder ClearFlag(int AFlag) const;

    // Shows the dialog modally and returns the pressed button's number (2 when it was
    // dismissed or could not be shown). The owner is `AOwnerForm`, else the desktop window
    // when `bUseDeskTopWindow`, else none. Sets owner_ and radioOut_. Defined by the Windows
    // shell (dialogs/win/MessageDialogs.cpp).
    int Execute(WindowHandle AOwnerForm = nullptr, bool bUseDeskTopWindow = false);
    // Execute(AOwnerForm, false), then ARadioButton := radioOut_.
    int Execute(std::int32_t& ARadioButton, WindowHandle AOwnerForm = nullptr);
};

// A new box whose main instruction is `AText`; Esc and the close box dismiss it.
MessageBoxBuilder NewMsgBox(const std::wstring& AText = {});

}  // namespace orvane
