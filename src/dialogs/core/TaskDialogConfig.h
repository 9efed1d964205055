#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dialogs/core/MessageBoxBuilder.h"

namespace orvane {

// Platform dialog flag values (TDF_*), which differ from the flag numbers only in the last.
inline constexpr std::uint32_t kTdfSizeToContent = 0x01000000;

// Platform common-button bits (TDCBF_*) equal the set bits of kButtonOk..kButtonClose.

// Main and footer icon resources of the platform dialog: 0 none, the stock task-dialog
// icons (TD_WARNING_ICON...) or the system's question-mark icon.
inline constexpr std::uint16_t kTdWarningIcon = 0xFFFF;
inline constexpr std::uint16_t kTdErrorIcon = 0xFFFE;
inline constexpr std::uint16_t kTdInformationIcon = 0xFFFD;
inline constexpr std::uint16_t kTdShieldIcon = 0xFFFC;
inline constexpr std::uint16_t kTdQuestionIcon = 32514;

// Radio buttons are numbered from here on; their index is the number minus this.
inline constexpr int kRadioButtonIdBase = 1000;

struct TaskDialogButtonConfig {
    int Id = 0;
    std::wstring Text;
};

// A platform task dialog's configuration, without the platform's types. Empty texts are
// left out; a window title that is empty here is the application's title.
struct TaskDialogConfig {
    std::uint32_t Flags = 0;          // TDF_* values
    std::uint32_t CommonButtons = 0;  // TDCBF_* values
    std::wstring WindowTitle;
    std::wstring MainInstruction;
    std::wstring Content;
    std::wstring ExpandedInformation;
    std::wstring ExpandedControlText;
    std::wstring Footer;
    std::wstring VerificationText;
    std::uint16_t MainIcon = 0;  // resource number; unused with MainIconHandle
    IconHandle MainIconHandle = nullptr;
    std::uint16_t FooterIcon = 0;
    IconHandle FooterIconHandle = nullptr;
    std::vector<TaskDialogButtonConfig> Buttons;
    int DefaultButton = 0;  // 0: the platform chooses
    std::vector<TaskDialogButtonConfig> RadioButtons;
    int DefaultRadioButton = 0;
};

// The platform flag value for a set of flag numbers (bit n = flag n).
std::uint32_t PlatformDialogFlags(std::uint32_t flagSet);

// The platform icon resource for an icon number of a box.
std::uint16_t PlatformDialogIcon(std::int32_t icon);

// The platform configuration that shows `box`.
TaskDialogConfig BuildTaskDialogConfig(const MessageBoxBuilder& box);

// The radio index for the number the platform reports as selected, or -1.
std::int32_t RadioIndexFromId(const MessageBoxBuilder& box, int selectedId);

}  // namespace orvane
