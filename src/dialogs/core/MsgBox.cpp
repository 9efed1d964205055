#include "dialogs/core/MsgBox.h"

#include <utility>

namespace orvane {

namespace {

// Applies `change` to a copy of `box` and returns the copy.
template <typename F>
TMsgBox Changed(const TMsgBox& box, F change) {
    TMsgBox copy = box;
    change(copy);
    return copy;
}

}  // namespace

TMsgBox NewMsgBox(const std::wstring& AText) {
    TMsgBox box;
    box.FFlags = FlagBit(tfAllowDialogCancellation) | FlagBit(tfPositionRelativeToWindow);
    return box.Text(AText);
}

TMsgBox TMsgBox::Text(const std::wstring& AText) const {
    return Changed(*this, [&](TMsgBox& b) {
        if (b.FMainText.empty()) {
            b.FMainText = AText;
        } else if (b.FSecondText.empty()) {
            b.FSecondText = AText;
        } else {
            b.FSecondText += L"\r\n\r\n" + AText;
        }
    });
}

TMsgBox TMsgBox::TextFmt(const std::wstring& AText, const std::vector<FormatArg>& Args) const {
    return Text(FormatText(AText, Args));
}

TMsgBox TMsgBox::Info() const {
    return Changed(*this, [](TMsgBox& b) { b.FIcon = kIconInformation; });
}
TMsgBox TMsgBox::Warning() const {
    return Changed(*this, [](TMsgBox& b) { b.FIcon = kIconWarning; });
}
TMsgBox TMsgBox::Error() const {
    return Changed(*this, [](TMsgBox& b) { b.FIcon = kIconError; });
}
TMsgBox TMsgBox::Shield() const {
    return Changed(*this, [](TMsgBox& b) { b.FIcon = kIconShield; });
}
TMsgBox TMsgBox::Question() const {
    return Changed(*this, [](TMsgBox& b) { b.FIcon = kIconQuestion; });
}

TMsgBox TMsgBox::CustomIcon(IconHandle AIcon) const {
    return Changed(*this, [&](TMsgBox& b) { b.FCustomIcon = AIcon; });
}

TMsgBox TMsgBox::WindowCaption(const std::wstring& AText) const {
    return Changed(*this, [&](TMsgBox& b) { b.FCaption = AText; });
}

TMsgBox TMsgBox::Details(const std::wstring& AText, TDetailsPosition APosition,
                         const std::wstring& ACaption, bool AExpanded) const {
    return Changed(*this, [&](TMsgBox& b) {
        b.FDetailsText = AText;
        b.FDetailsPosition = APosition;
        b.FDetailsCaption = ACaption;
        b.FDetailsExpanded = AExpanded;
    });
}

TMsgBox TMsgBox::Footer(const std::wstring& AText, std::int32_t AIcon,
                        IconHandle ACustomIcon) const {
    return Changed(*this, [&](TMsgBox& b) {
        b.FFooterText = AText;
        b.FFooterIcon = AIcon;
        b.FCustomFooterIcon = ACustomIcon;
    });
}

TMsgBox TMsgBox::Verification(const std::wstring& AText, bool* AChecked) const {
    return Changed(*this, [&](TMsgBox& b) {
        b.FVerificationText = AText;
        b.FVerificationCheckedRes = AChecked;
        if (AChecked) {
            b.FVerificationChecked = *AChecked;
        }
    });
}

TMsgBox TMsgBox::Hypertext(TLinkHandler ALinkHandler) const {
    return Changed(*this, [&](TMsgBox& b) {
        b.FLinkHandler = std::move(ALinkHandler);
        b.FHyperlinks = true;
    });
}

TMsgBox TMsgBox::OK() const {
    return Changed(*this, [](TMsgBox& b) { b.FButtons = kButtonOk; });
}
TMsgBox TMsgBox::OKCancel() const {
    return Changed(*this, [](TMsgBox& b) { b.FButtons = kButtonOk | kButtonCancel; });
}
TMsgBox TMsgBox::Cancel() const {
    return Changed(*this, [](TMsgBox& b) { b.FButtons = kButtonCancel; });
}
TMsgBox TMsgBox::Close() const {
    return Changed(*this, [](TMsgBox& b) { b.FButtons = kButtonClose; });
}
TMsgBox TMsgBox::YesNo() const {
    return Changed(*this, [](TMsgBox& b) {
        b.FButtons = kButtonYes | kButtonNo;
        b.FFlags &= ~FlagBit(tfAllowDialogCancellation);
    });
}
TMsgBox TMsgBox::YesNoCancel() const {
    return Changed(*this, [](TMsgBox& b) { b.FButtons = kButtonYes | kButtonNo | kButtonCancel; });
}

TMsgBox TMsgBox::AddButton(const std::wstring& ACaption, std::int32_t AModalResult,
                           bool ADefault) const {
    return Changed(*this, [&](TMsgBox& b) {
        b.FCustomButtons.push_back(TTaskDialogButtonRec{ACaption, AModalResult, ADefault});
    });
}

TMsgBox TMsgBox::DefButton(TCommonButton AButton) const {
    return Changed(*this, [&](TMsgBox& b) { b.FDefButton = AButton; });
}

TMsgBox TMsgBox::AddRadioButton(const std::wstring& ACaption) const {
    return Changed(*this, [&](TMsgBox& b) { b.FRadioButtons.push_back(ACaption); });
}

TMsgBox TMsgBox::AddRadioButtons(const std::vector<std::wstring>& ACaptions) const {
    return Changed(*this, [&](TMsgBox& b) {
        b.FRadioButtons.insert(b.FRadioButtons.end(), ACaptions.begin(), ACaptions.end());
    });
}

TMsgBox TMsgBox::DefRadioButton(std::int32_t AIndex) const {
    return Changed(*this, [&](TMsgBox& b) {
        b.FDefRadioButton = AIndex;
        if (AIndex == -1) {
            b.FFlags |= FlagBit(tfNoDefaultRadioButton);
        }
    });
}

TMsgBox TMsgBox::SetFlags(std::uint32_t AFlags) const {
    return Changed(*this, [&](TMsgBox& b) { b.FFlags = AFlags; });
}

TMsgBox TMsgBox::AddFlag(int AFlag) const {
    return Changed(*this, [&](TMsgBox& b) {
        if (AFlag >= 0 && AFlag < 32) {
            b.FFlags |= FlagBit(AFlag);
        }
    });
}

TMsgBox TMsgBox::ClearFlag(int AFlag) const {
    return Changed(*this, [&](TMsgBox& b) {
        if (AFlag >= 0 && AFlag < 32) {
            b.FFlags &= ~FlagBit(AFlag);
        }
    });
}

}  // namespace orvane
