#include "dialogs/core/TaskDialog.h"

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

TaskDialogConfig BuildTaskDialogConfig(const TTaskDialog& dialog, std::uint32_t aCommonButtons,
                                       int aButtonDef, std::uint32_t aFlags,
                                       std::int32_t aDialogIcon, std::int32_t aFooterIcon,
                                       const std::wstring& mainFormCaption) {
    TaskDialogConfig spec;
    spec.WindowTitle = !dialog.Title.empty()      ? dialog.Title
                       : !mainFormCaption.empty() ? mainFormCaption
                                                  : std::wstring(kApplicationTitle);
    spec.MainInstruction = dialog.Inst.empty() ? IconWord(aDialogIcon) : dialog.Inst;
    spec.Content = dialog.Content;
    spec.Footer = dialog.Footer;
    spec.VerificationText = dialog.Verify;
    spec.MainIcon = DialogIcon(aDialogIcon);
    spec.FooterIcon = FooterIcon(aFooterIcon);

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
        spec.Buttons.push_back(
            {kFirstTaskDialogButton + static_cast<int>(spec.Buttons.size()), caption});
        start = end + 1;
    }

    spec.CommonButtons = aCommonButtons & 0x3F;
    spec.DefaultButton = aButtonDef;
    if (spec.CommonButtons == 0 && spec.Buttons.empty()) {
        spec.CommonButtons = kButtonOk;
        spec.DefaultButton = kIdOk;
    }
    // The icons are resources here, never handles.
    const std::uint32_t handleFlags = FlagBit(tfUseHiconMain) | FlagBit(tfUseHiconFooter);
    std::uint32_t flags = aFlags & ~handleFlags;
    if (dialog.VerifyChecked) {
        flags |= FlagBit(tfVerificationFlagChecked);
    }
    spec.Flags = PlatformDialogFlags(flags);
    return spec;
}

}  // namespace orvane
