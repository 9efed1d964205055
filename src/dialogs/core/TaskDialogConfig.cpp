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

TaskDialogConfig BuildTaskDialogConfig(const MessageBoxBuilder& box) {
    TaskDialogConfig config;
    config.WindowTitle = box.caption_.empty() ? std::wstring(kApplicationTitle) : box.caption_;
    config.MainInstruction = box.mainText_;
    config.Content = box.secondText_;
    config.ExpandedInformation = box.detailsText_;
    config.ExpandedControlText = box.detailsCaption_;
    config.Footer = box.footerText_;
    config.VerificationText = box.verificationText_;
    config.CommonButtons = box.buttons_ & 0x3F;

    for (const auto& button : box.customButtons_) {
        config.Buttons.push_back({button.ModalResult, button.Caption});
        if (button.Default && config.DefaultButton == 0) {
            config.DefaultButton = button.ModalResult;
        }
    }
    // A common button that is not shown cannot be the default; naming it anyway would pick
    // a custom button that happens to share its number.
    const auto def = static_cast<std::size_t>(box.defButton_);
    if (config.DefaultButton == 0 && def < std::size(kCommonButtonIds) &&
        (box.buttons_ & kCommonButtonBits[def])) {
        config.DefaultButton = kCommonButtonIds[def];
    }

    config.MainIconHandle = box.customIcon_;
    config.MainIcon = box.customIcon_ ? 0 : PlatformDialogIcon(box.icon_);
    config.FooterIconHandle = box.customFooterIcon_;
    config.FooterIcon = box.customFooterIcon_ ? 0 : PlatformDialogIcon(box.footerIcon_);

    for (std::size_t i = 0; i < box.radioButtons_.size(); ++i) {
        config.RadioButtons.push_back(
            {kRadioButtonIdBase + static_cast<int>(i), box.radioButtons_[i]});
    }
    const bool noDefaultRadio = (box.flags_ & FlagBit(tfNoDefaultRadioButton)) != 0;
    if (!noDefaultRadio && box.defRadioButton_ >= 0 &&
        static_cast<std::size_t>(box.defRadioButton_) < box.radioButtons_.size()) {
        config.DefaultRadioButton = kRadioButtonIdBase + box.defRadioButton_;
    }

    std::uint32_t flags = box.flags_;
    SetFlag(flags, tfSizeToContent, true);
    SetFlag(flags, tfExpandFooterArea, box.detailsPosition_ == DetailsPosition::dpFooter);
    SetFlag(flags, tfExpandedByDefault, box.detailsExpanded_);
    SetFlag(flags, tfUseHiconMain, box.customIcon_ != nullptr);
    SetFlag(flags, tfUseHiconFooter, box.customFooterIcon_ != nullptr);
    SetFlag(flags, tfVerificationFlagChecked, box.verificationChecked_);
    SetFlag(flags, tfEnableHyperlinks, box.hyperlinks_);
    config.Flags = PlatformDialogFlags(flags);
    return config;
}

std::int32_t RadioIndexFromId(const MessageBoxBuilder& box, int selectedId) {
    const int index = selectedId - kRadioButtonIdBase;
    if (index >= 0 && static_cast<std::size_t>(index) < box.radioButtons_.size()) {
        return index;
    }
    return -1;
}

}  // namespace orvane
