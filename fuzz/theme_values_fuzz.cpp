// Theme files and theme names come from the user: any file must read without a fault into
// values the options dialog can use, what is read must save and read back unchanged, and any
// typed name must clean into a usable file name.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "fake_settings_store.h"
#include "options/core/PendingColors.h"
#include "options/core/ThemeFile.h"
#include "options/core/ThemeName.h"

namespace {

using namespace orvane;
using fuzz::Require;

bool UsableColor(ColorValue color) {
    return color == kAutomaticColor || IsSystemColor(color) || (color >= 0 && color <= 0xFFFFFF);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::wstring text = fuzz::WideText(data, size);

    // Each key of the theme gets one line of the input.
    const ThemeValues read = ReadTheme(fuzz::LineReader(text));
    const ThemeColors colors = ColorsFromPending(read.Texts);
    Require(colors.MenuMode >= -1 && colors.MenuMode <= 1);
    for (const ColorValue color :
         {colors.TopProcessHighlight, colors.FontColor, colors.BackgroundColor, colors.BarColor,
          colors.GreenColor, colors.YellowColor, colors.RedColor}) {
        Require(UsableColor(color));
    }
    // What the dialog shows it writes back in a form that means the same.
    Require(ColorsFromPending(PendingFromColors(colors)) == colors);

    test::FakeSettingsStore saved;
    WriteTheme(saved, L"name", read);
    Require(ReadTheme(saved) == read);

    const std::wstring name = CleanThemeName(text);
    Require(name.size() <= kMaxThemeNameLength);
    Require(name.find_first_of(L"|<>?*:/\\\"") == std::wstring::npos);
    Require(CleanThemeName(name) == name);
    return 0;
}
