#include "dialogs/core/TaskDialogConfig.h"

#include <iterator>

namespace orvane {

namespace {

constexpr int kCommonButtonIds[] = {kIdOk, kIdYes, kIdNo, kIdCancel, kIdRetry, kIdClose};
constexpr std::uint32_t kCommonButtonBits[] = {kButtonOk,     kButtonYes,   kButtonNo,
                                               kButtonCancel, kButtonRetry, kButtonClose};

void SetFlag(std::uint32_t& set, int flag, bool on) {
    if (on) {
        set |= FlagBit(flag);
    } else {
        set &= ~FlagBit(flag);
    }
}

}  // namespace

std::uint32_t PlatformDialogFlags(std::uint32_t flagSet) {
    std::uint32_t out = flagSet & 0xFFFF;  // flags 0..15 share their bit with the platform
    if (flagSet & FlagBit(tfSizeToContent)) {
        out |= kTdfSizeToContent;
    }
    return out;
}

std::uint16_t PlatformDialogIcon(std::int32_t icon) {
    switch (icon) {
        case kIconWarning:
            return kTdWarningIcon;
        case kIconError:
            return kTdErrorIcon;
        case kIconInformation:
            return kTdInformationIcon;
        case kIconShield:
            return kTdShieldIcon;
        case kIconQuestion:
            return kTdQuestionIcon;
        default:
            return 0;
    }
}

TaskDialogConfig BuildTaskDialogConfig(const TMsgBox& box) {
    TaskDialogConfig spec;
    spec.WindowTitle = box.FCaption.empty() ? std::wstring(kApplicationTitle) : box.FCaption;
    spec.MainInstruction = box.FMainText;
    spec.Content = box.FSecondText;
    spec.ExpandedInformation = box.FDetailsText;
    spec.ExpandedControlText = box.FDetailsCaption;
    spec.Footer = box.FFooterText;
    spec.VerificationText = box.FVerificationText;
    spec.CommonButtons = box.FButtons & 0x3F;

    for (const auto& button : box.FCustomButtons) {
        spec.Buttons.push_back({button.ModalResult, button.Caption});
        if (button.Default && spec.DefaultButton == 0) {
            spec.DefaultButton = button.ModalResult;
        }
    }
    // A common button that is not shown cannot be the default; naming it anyway would pick
    // a custom button that happens to share its number.
    const auto def = static_cast<std::size_t>(box.FDefButton);
    if (spec.DefaultButton == 0 && def < std::size(kCommonButtonIds) &&
        (box.FButtons & kCommonButtonBits[def])) {
        spec.DefaultButton = kCommonButtonIds[def];
    }

    spec.MainIconHandle = box.FCustomIcon;
    spec.MainIcon = box.FCustomIcon ? 0 : PlatformDialogIcon(box.FIcon);
    spec.FooterIconHandle = box.FCustomFooterIcon;
    spec.FooterIcon = box.FCustomFooterIcon ? 0 : PlatformDialogIcon(box.FFooterIcon);

    for (std::size_t i = 0; i < box.FRadioButtons.size(); ++i) {
        spec.RadioButtons.push_back(
            {kRadioButtonIdBase + static_cast<int>(i), box.FRadioButtons[i]});
    }
    const bool noDefaultRadio = (box.FFlags & FlagBit(tfNoDefaultRadioButton)) != 0;
    if (!noDefaultRadio && box.FDefRadioButton >= 0 &&
        static_cast<std::size_t>(box.FDefRadioButton) < box.FRadioButtons.size()) {
        spec.DefaultRadioButton = kRadioButtonIdBase + box.FDefRadioButton;
    }

    std::uint32_t flags = box.FFlags;
    SetFlag(flags, tfSizeToContent, true);
    SetFlag(flags, tfExpandFooterArea, box.FDetailsPosition == TDetailsPosition::dpFooter);
    SetFlag(flags, tfExpandedByDefault, box.FDetailsExpanded);
    SetFlag(flags, tfUseHiconMain, box.FCustomIcon != nullptr);
    SetFlag(flags, tfUseHiconFooter, box.FCustomFooterIcon != nullptr);
    SetFlag(flags, tfVerificationFlagChecked, box.FVerificationChecked);
    SetFlag(flags, tfEnableHyperlinks, box.FHyperlinks);
    spec.Flags = PlatformDialogFlags(flags);
    return spec;
}

std::int32_t RadioIndexFromId(const TMsgBox& box, int selectedId) {
    const int index = selectedId - kRadioButtonIdBase;
    if (index >= 0 && static_cast<std::size_t>(index) < box.FRadioButtons.size()) {
        return index;
    }
    return -1;
}

}  // namespace orvane
