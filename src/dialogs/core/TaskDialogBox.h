#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "dialogs/core/MessageBoxBuilder.h"
#include "dialogs/core/TaskDialogConfig.h"

namespace orvane {

// Icons of TaskDialogBox, numbered apart from MessageBoxBuilder's.
enum TaskDialogIcon : std::int32_t {
    tiBlank = 0,
    tiWarning = 1,
    tiQuestion = 2,
    tiError = 3,
    tiInformation = 4,
    tiShield = 6,
};
enum TaskDialogFooterIcon : std::int32_t {
    tfiBlank = 0,
    tfiWarning = 1,
    tfiQuestion = 2,
    tfiError = 3,
    tfiInformation = 4,
    tfiShield = 5,
};

// Called with a pressed button's number; returning false keeps the dialog open.
using TaskDialogButtonClicked = std::function<bool(int aButtonID)>;

// Custom buttons are numbered from here on, in the order of their lines.
inline constexpr int kFirstTaskDialogButton = 100;

// A task dialog shown natively where the platform has one and by an imitation window where
// it does not. Texts in, button number and check box state out.
struct TaskDialogBox {
    std::wstring Title;  // window caption; empty: MainForm's caption
    std::wstring Inst;   // main instruction; empty: a word for the icon
    std::wstring Content;
    std::wstring Buttons;  // custom button captions, one per line ("\n")
    std::wstring Footer;
    std::wstring Verify;  // check box caption; empty: no check box
    bool VerifyChecked = false;
    WindowHandle MainForm = nullptr;  // the program's main window, if any

    // Shows the dialog modally and returns the pressed button's number. `aNonNative` forces
    // the imitation window. Defined by the Windows shell (dialogs/win/TaskDialogEmulation.cpp).
    int Execute(std::uint32_t aCommonButtons = 0, int aButtonDef = 0, std::uint32_t aFlags = 0,
                std::int32_t aDialogIcon = tiInformation, std::int32_t aFooterIcon = tfiBlank,
                int aRadioDef = 0, int aWidth = 0, WindowHandle aParent = nullptr,
                bool aNonNative = false, bool aEmulateClassicStyle = false,
                const TaskDialogButtonClicked& aOnButtonClicked = {});
};

// The configuration that shows `dialog` with Execute's arguments; `mainFormCaption` is the
// title used when the dialog has none.
TaskDialogConfig BuildTaskDialogConfig(const TaskDialogBox& dialog, std::uint32_t aCommonButtons,
                                       int aButtonDef, std::uint32_t aFlags,
                                       std::int32_t aDialogIcon, std::int32_t aFooterIcon,
                                       const std::wstring& mainFormCaption);

}  // namespace orvane
