#include "processes/win/ProcessDetailsDialog.h"

#include <shellapi.h>

#include "common/win/Clipboard.h"
#include "common/win/Handles.h"
#include "common/win/TemporaryOwner.h"
#include "dialogs/win/MessageDialogs.h"
#include "processes/core/ProcessDetails.h"
#include "common/win/VersionResource.h"
#include "processes/win/ProcessList.h"

namespace orvane::win {

namespace {

void OpenWebPage(const ProcessDetailsShell& shell, const std::wstring& url) {
    if (shell.OpenWebPage) {
        shell.OpenWebPage(url);
    } else {
        ::ShellExecuteW(nullptr, L"Open", url.c_str(), L"", L"", SW_SHOW);
    }
}

void ShowInExplorer(const ProcessDetailsShell& shell, const std::wstring& path) {
    const std::wstring parameters = ExplorerSelectParameters(path);
    if (shell.ShowInExplorer) {
        shell.ShowInExplorer(parameters);
    } else {
        ::ShellExecuteW(nullptr, nullptr, L"explorer.exe ", parameters.c_str(), nullptr,
                        SW_SHOWNORMAL);
    }
}

}  // namespace

void GetAppInfo(const MenuLine& line, bool showPage, HWND clipboardOwner,
                const ProcessDetailsShell& shell) {
    const ExeVersionData version = ReadExeVersionData(line.Path);
    const std::wstring details =
        DetailsText({version.FileDescription, version.CompanyName, version.FileVersion,
                     version.LegalCopyright, version.InternalName},
                    line.Path);
    const UniqueIcon fileIcon = version.FileDescription.empty()
                                    ? UniqueIcon()
                                    : ProcessList::GetProcessIcon(line.Path, false);
    MessageBoxBuilder box = ProcessDetailsBox(line, details, fileIcon.get());
    int result = 0;
    {
        const TemporaryOwner owner;
        result = box.Execute(ToWindowHandle(owner.get()));
    }
    switch (DetailsActionFromResult(result)) {
        case DetailsAction::WebSearch:
            OpenWebPage(shell, WebSearchUrl(line.Name, version.FileDescription));
            break;
        case DetailsAction::CopyDetails:
            SetClipboardText(clipboardOwner, details);
            break;
        case DetailsAction::OpenFilePath:
            ShowInExplorer(shell, line.Path);
            break;
        case DetailsAction::FreeMemory:
            FreeLineMemory(line, showPage);
            break;
        case DetailsAction::Terminate:
            TerminateLineProcesses(line, showPage);
            break;
        case DetailsAction::None:
            break;
    }
}

}  // namespace orvane::win
