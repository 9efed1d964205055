#include "dialogs/core/TaskDialogBox.h"

namespace orvane {

namespace {

std::uint16_t DialogIcon(std::int32_t icon) {
    switch (icon) {
        case tiWarning:
            return kTdWarningIcon;
        case tiQuestion:
            return kTdQuestionIcon;
        case tiError:
            return kTdErrorIcon;
        case tiInformation:
            return kTdInformationIcon;
        case tiShield:
            return kTdShieldIcon;
        default:
            return 0;
    }
}

std::uint16_t FooterIcon(std::int32_t icon) {
    if (icon == tfiShield) {
        return kTdShieldIcon;
    }
    return icon >= tfiWarning && icon <= tfiInformation ? DialogIcon(icon) : 0;
}

std::wstring IconWord(std::int32_t icon) {
    switch (icon) {
        case tiWarning:
            return L"警告";
        case tiQuestion:
            return L"确认";
        case tiError:
            return L"错误";
        case tiInformation:
        case tiShield:
            return L"信息";
        default:
            return {};
    }
}

}  // namespace

TaskDialogConfig BuildTaskDialogConfig(const TaskDialogBox& dialog, std::uint32_t aCommonButtons,
                                       int aButtonDef, std::uint32_t aFlags,
                                       std::int32_t aDialogIcon, std::int32_t aFooterIcon,
                                       const std::wstring& mainFormCaption) {
    TaskDialogConfig config;
    config.WindowTitle = !dialog.Title.empty()      ? dialog.Title
                         : !mainFormCaption.empty() ? mainFormCaption
                                                    : std::wstring(kApplicationTitle);
    config.MainInstruction = dialog.Inst.empty() ? IconWord(aDialogIcon) : dialog.Inst;
    config.Content = dialog.Content;
    config.Footer = dialog.Footer;
    config.VerificationText = dialog.Verify;
    config.MainIcon = DialogIcon(aDialogIcon);
    config.FooterIcon = FooterIcon(aFooterIcon);

    std::size_t start = 0;
    while (!dialog.Buttons.empty() && start <= dialog.Buttons.size()) {
        std::size_t end = dialog.Buttons.find(L'\n', start);
        if (end == std::wstring::npos) {
            end = dialog.Buttons.size();
        }
        std::wstring caption = dialog.Buttons.substr(start, end - start);
        if (!caption.empty() && caption.back() == L'\r') {
            caption.pop_back();
        }
        config.Buttons.push_back(
            {kFirstTaskDialogButton + static_cast<int>(config.Buttons.size()), caption});
        start = end + 1;
    }

    config.CommonButtons = aCommonButtons & 0x3F;
    config.DefaultButton = aButtonDef;
    if (config.CommonButtons == 0 && config.Buttons.empty()) {
        config.CommonButtons = kButtonOk;
        config.DefaultButton = kIdOk;
    }
    // The icons are resources here, never handles.
    const std::uint32_t handleFlags = FlagBit(tfUseHiconMain) | FlagBit(tfUseHiconFooter);
    std::uint32_t flags = aFlags & ~handleFlags;
    if (dialog.VerifyChecked) {
        flags |= FlagBit(tfVerificationFlagChecked);
    }
    config.Flags = PlatformDialogFlags(flags);
    return config;
}

}  // namespace orvane
