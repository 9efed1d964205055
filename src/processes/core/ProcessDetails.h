#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dialogs/core/MessageBoxBuilder.h"
#include "processes/core/MenuLine.h"
#include "processes/core/ProcessRecord.h"

namespace orvane {

// The version strings the details dialog shows.
struct ProgramStrings {
    std::wstring FileDescription;
    std::wstring CompanyName;
    std::wstring FileVersion;
    std::wstring LegalCopyright;
    std::wstring InternalName;
};

// "name (value)".
std::wstring DetailsTitle(const MenuLine& line);
// Six labelled lines, or the "unavailable" line without a description; each ends in CR LF.
// This is also what "copy details" puts on the clipboard.
std::wstring DetailsText(const ProgramStrings& strings, const std::wstring& path);
// The details, a blank line and the warning about terminating processes.
std::wstring DetailsContent(const std::wstring& details);
// "'name' 可能是一个系统进程" for the well-known system processes (A-Z compared without
// case), otherwise empty.
std::wstring SystemProcessFooter(const std::wstring& name);

// The dialog's buttons. Their numbers differ from every dismissal result (Escape, the close
// box and a dialog that could not be shown all give 2), so a dismissal is never taken for one.
enum class DetailsAction { None, WebSearch, CopyDetails, OpenFilePath, FreeMemory, Terminate };
inline constexpr int kDetailsFirstButton = 101;
DetailsAction DetailsActionFromResult(int result);

// The dialog: title, content, the file icon (when there is one), six buttons with none the
// default, the caption and the footer with the warning icon, or no footer.
MessageBoxBuilder ProcessDetailsBox(const MenuLine& line, const std::wstring& details,
                                    IconHandle fileIcon);

// Text as UTF-8 with every byte but the unreserved characters A-Z a-z 0-9 - . _ ~ written as
// %XX. Unpaired surrogates become U+FFFD.
std::string PercentEncodeUtf8(const std::wstring& text);
// The web search for the program: its file name, a blank and its description.
std::wstring WebSearchUrl(const std::wstring& name, const std::wstring& fileDescription);
// Explorer's parameters that open the folder with the file selected.
std::wstring ExplorerSelectParameters(const std::wstring& path);

// A process that "free memory" or "terminate" may act on: the one that runs under this ID
// and started at this time. Whatever runs under the ID with another start time is not it.
struct DetailsTarget {
    std::uint32_t ProcessID = 0;
    std::uint64_t CreationTime = 0;
    bool operator==(const DetailsTarget&) const = default;
};

// The processes of `line`: a single line's own process, known by its ID and start time alone
// (paths are spelled differently by different calls, and may be unreadable now), or for a
// merged line every process of its path in a fresh snapshot (of its name with no readable
// path, when the line has no path). A process whose start time is unknown is left out.
std::vector<DetailsTarget> DetailsTargets(const MenuLine& line,
                                          const std::vector<ProcessRecord>& snapshot);

}  // namespace orvane
