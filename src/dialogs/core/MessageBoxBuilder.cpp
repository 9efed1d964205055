#include "dialogs/core/MessageBoxBuilder.h"

#include <utility>

namespace orvane {

namespace {

// Applies `change` to a copy of `box` and returns the copy.
template <typename F>
MessageBoxBuilder Changed(const MessageBoxBuilder& box, F change) {
    MessageBoxBuilder copy = box;
    change(copy);
    return copy;
}

}  // namespace

MessageBoxBuilder NewMsgBox(const std::wstring& AText) {
    MessageBoxBuilder box;
    box.flags_ = FlagBit(tfAllowDialogCancellation) | FlagBit(tfPositionRelativeToWindow);
    return box.Text(AText);
}

MessageBoxBuilder MessageBoxBuilder::Text(const std::wstring& AText) const {
    return Changed(*this, [&](MessageBoxBuilder& b) {
        if (b.mainText_.empty()) {
            b.mainText_ = AText;
        } else if (b.secondText_.empty()) {
            b.secondText_ = AText;
        } else {
            b.secondText_ += L"\r\n\r\n" + AText;
        }
    });
}

MessageBoxBuilder MessageBoxBuilder::TextFmt(const std::wstring& AText,
                                             const std::vector<FormatArg>& Args) const {
    return Text(FormatText(AText, Args));
}

MessageBoxBuilder MessageBoxBuilder::Info() const {
    return Changed(*this, [](MessageBoxBuilder& b) { b.icon_ = kIconInformation; });
}
MessageBoxBuilder MessageBoxBuilder::Warning() const {
    return Changed(*this, [](MessageBoxBuilder& b) { b.icon_ = kIconWarning; });
}
MessageBoxBuilder MessageBoxBuilder::Error() const {
    return Changed(*this, [](MessageBoxBuilder& b) { b.icon_ = kIconError; });
}
MessageBoxBuilder MessageBoxBuilder::Shield() const {
    return Changed(*this, [](MessageBoxBuilder& b) { b.icon_ = kIconShield; });
}
MessageBoxBuilder MessageBoxBuilder::Question() const {
    return Changed(*this, [](MessageBoxBuilder& b) { b.icon_ = kIconQuestion; });
}

MessageBoxBuilder MessageBoxBuilder::CustomIcon(IconHandle AIcon) const {
    return Changed(*this, [&](MessageBoxBuilder& b) { b.customIcon_ = AIcon; });
}

MessageBoxBuilder MessageBoxBuilder::WindowCaption(const std::wstring& AText) const {
    return Changed(*this, [&](MessageBoxBuilder& b) { b.caption_ = AText; });
}

MessageBoxBuilder MessageBoxBuilder::Details(const std::wstring& AText, DetailsPosition APosition,
                                             const std::wstring& ACaption, bool AExpanded) const {
    return Changed(*this, [&](MessageBoxBuilder& b) {
        b.detailsText_ = AText;
        b.detailsPosition_ = APosition;
        b.detailsCaption_ = ACaption;
        b.detailsExpanded_ = AExpanded;
    });
}

MessageBoxBuilder MessageBoxBuilder::Footer(const std::wstring& AText, std::int32_t AIcon,
                                            IconHandle ACustomIcon) const {
    return Changed(*this, [&](MessageBoxBuilder& b) {
        b.footerText_ = AText;
        b.footerIcon_ = AIcon;
        b.customFooterIcon_ = ACustomIcon;
    });
}

MessageBoxBuilder MessageBoxBuilder::Verification(const std::wstring& AText, bool* AChecked) const {
    return Changed(*this, [&](MessageBoxBuilder& b) {
        b.verificationText_ = AText;
        b.verificationCheckedRes_ = AChecked;
        if (AChecked) {
            b.verificationChecked_ = *AChecked;
        }
    });
}

MessageBoxBuilder MessageBoxBuilder::Hypertext(LinkHandler ALinkHandler) const {
    return Changed(*this, [&](MessageBoxBuilder& b) {
        b.linkHandler_ = std::move(ALinkHandler);
        b.hyperlinks_ = true;
    });
}

MessageBoxBuilder MessageBoxBuilder::OK() const {
    return Changed(*this, [](MessageBoxBuilder& b) { b.buttons_ = kButtonOk; });
}
MessageBoxBuilder MessageBoxBuilder::OKCancel() const {
    return Changed(*this, [](MessageBoxBuilder& b) { b.buttons_ = kButtonOk | kButtonCancel; });
}
MessageBoxBuilder MessageBoxBuilder::Cancel() const {
    return Changed(*this, [](MessageBoxBuilder& b) { b.buttons_ = kButtonCancel; });
}
MessageBoxBuilder MessageBoxBuilder::Close() const {
    return Changed(*this, [](MessageBoxBuilder& b) { b.buttons_ = kButtonClose; });
}
MessageBoxBuilder MessageBoxBuilder::YesNo() const {
    return Changed(*this, [](MessageBoxBuilder& b) {
        b.buttons_ = kButtonYes | kButtonNo;
        b.flags_ &= ~FlagBit(tfAllowDialogCancellation);
    });
}
MessageBoxBuilder MessageBoxBuilder::YesNoCancel() const {
    return Changed(
        *this, [](MessageBoxBuilder& b) { b.buttons_ = kButtonYes | kButtonNo | kButtonCancel; });
}

MessageBoxBuilder MessageBoxBuilder::AddButton(const std::wstring& ACaption,
                                               std::int32_t AModalResult, bool ADefault) const {
    return Changed(*this, [&](MessageBoxBuilder& b) {
        b.customButtons_.push_back(CustomButton{ACaption, AModalResult, ADefault});
    });
}

MessageBoxBuilder MessageBoxBuilder::DefButton(CommonButton AButton) const {
    return Changed(*this, [&](MessageBoxBuilder& b) { b.defButton_ = AButton; });
}

MessageBoxBuilder MessageBoxBuilder::AddRadioButton(const std::wstring& ACaption) const {
    return Changed(*this, [&](MessageBoxBuilder& b) { b.radioButtons_.push_back(ACaption); });
}

MessageBoxBuilder MessageBoxBuilder::AddRadioButtons(
    const std::vector<std::wstring>& ACaptions) const {
    return Changed(*this, [&](MessageBoxBuilder& b) {
        b.radioButtons_.insert(b.radioButtons_.end(), ACaptions.begin(), ACaptions.end());
    });
}

MessageBoxBuilder MessageBoxBuilder::DefRadioButton(std::int32_t AIndex) const {
    return Changed(*this, [&](MessageBoxBuilder& b) {
        b.defRadioButton_ = AIndex;
        if (AIndex == -1) {
            b.flags_ |= FlagBit(tfNoDefaultRadioButton);
        }
    });
}

MessageBoxBuilder MessageBoxBuilder::SetFlags(std::uint32_t AFlags) const {
    return Changed(*this, [&](MessageBoxBuilder& b) { b.flags_ = AFlags; });
}

MessageBoxBuilder MessageBoxBuilder::AddFlag(int AFlag) const {
    return Changed(*this, [&](MessageBoxBuilder& b) {
        if (AFlag >= 0 && AFlag < 32) {
            b.flags_ |= FlagBit(AFlag);
        }
    });
}

MessageBoxBuilder MessageBoxBuilder::ClearFlag(int AFlag) const {
    return Changed(*this, [&](MessageBoxBuilder& b) {
        if (AFlag >= 0 && AFlag < 32) {
            b.flags_ &= ~FlagBit(AFlag);
        }
    });
}

}  // namespace orvane
