#pragma once

#include <algorithm>
#include <concepts>
#include <string>
#include <utility>
#include <vector>

#include "processes/core/MenuLine.h"
#include "processes/core/ProcessRecord.h"
#include "processes/core/ProcessValueText.h"
#include "processes/core/TrayMenuCommands.h"

namespace orvane {

// Glyphs of the menu font, by index.
constexpr wchar_t kMenuGlyphs[4] = {L'\xE94D', L'\xE5CD', L'\xE8B8', L'\xE896'};

// The fixed items, top to bottom.
std::vector<MenuLine> FixedTrayMenuItems();

// The command of the bold item for a double-click action; 0 when none is bold.
unsigned DefaultCommandFor(std::int32_t doubleClickAction);

// The settings a process line depends on.
struct ProcessLineOptions {
    bool ShowNameInsteadOfModule = false;
    int ProcessValueType = 0;
    int HighlightProcessAbove = 1000;
};

// A process line for entry `e` (whose `Tag` is its merge count). `fileDescription` is the
// executable's description, empty when it has none. The icon is left to the caller.
MenuLine MakeProcessLine(const ProcessRecord& e, const std::wstring& fileDescription,
                         const ProcessLineOptions& options, std::uint64_t displayedTotal,
                         const ByteSizeFormatter& formatByteSize);

// The memory-summary lines: one per line of the text (CR, LF or CR LF), split at the first ":"
// into caption and value. Disabled, tag 98.
std::vector<MenuLine> MakeMemoryLines(const std::wstring& memoryInfoText);

MenuLine MakeSeparator(int tag, unsigned commandId = 0);

// Replaces the items built at the previous opening by new process and memory lines:
// process lines above N1 with their separator below the Task Manager item, memory lines from
// position 2 with their separator after them. Removed items are destroyed, with their icons.
template <std::derived_from<MenuLine> Item>
void RebuildMenuItems(std::vector<Item>& items, std::vector<Item> processLines,
                      std::vector<Item> memoryLines) {
    std::erase_if(items, [](const Item& it) {
        return it.Tag == kTagProcessLine || it.Tag == kTagMemoryLine;
    });
    const auto insertAt = [&items](size_t pos, Item&& item) {
        items.insert(items.begin() + static_cast<std::ptrdiff_t>(std::min(pos, items.size())),
                     std::move(item));
    };
    if (!processLines.empty()) {
        auto n1 = std::find_if(items.begin(), items.end(),
                               [](const Item& it) { return it.CommandId == kCmdSeparatorN1; });
        items.insert(n1, std::make_move_iterator(processLines.begin()),
                     std::make_move_iterator(processLines.end()));
        Item sep;
        static_cast<MenuLine&>(sep) = MakeSeparator(kTagProcessLine);
        insertAt(1, std::move(sep));
    }
    const size_t lines = memoryLines.size();
    for (size_t k = 0; k < lines; ++k) {
        insertAt(k + 2, std::move(memoryLines[k]));
    }
    if (lines > 0) {
        Item sep;
        static_cast<MenuLine&>(sep) = MakeSeparator(kTagMemoryLine);
        insertAt(lines + 2, std::move(sep));
    }
}

}  // namespace orvane
