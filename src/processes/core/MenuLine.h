#pragma once

#include <cstdint>
#include <string>

namespace orvane {

// What the tray menu knows of one item, besides its icon (which the Windows side owns).
struct MenuLine {
    std::wstring Caption;  // "-" for a separator
    int Tag = 0;
    bool Enabled = true;
    unsigned CommandId = 0;
    int GlyphIndex = -1;  // index into the menu glyphs, -1 for none
    std::uint32_t ProcessID = 0;
    std::uint64_t CreationTime = 0;  // of the process, from the snapshot; 0 when unknown
    std::wstring Name;               // process file name
    std::wstring Path;               // process executable; may be empty
    std::wstring Value;              // right-hand column; empty for none
    bool NoIcon = false;
    bool bHighlight = false;
    bool bMultipleProcess = false;
    bool Unopenable = false;  // a process line of a process the program cannot open

    bool IsSeparator() const { return Caption == L"-"; }
    bool operator==(const MenuLine&) const = default;
};

}  // namespace orvane
