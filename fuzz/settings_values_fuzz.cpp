// Settings file values and colour texts come from a file the user may edit by hand: any text
// must read without a fault, and whatever reads as a value must write back to the same value.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "fake_settings_store.h"
#include "settings/core/ColorText.h"
#include "settings/core/SettingsSchema.h"
#include "settings/core/SettingsValues.h"

namespace {

using namespace orvane;
using fuzz::Require;
using fuzz::WideText;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::wstring text = WideText(data, size);

    const ColorValue color = TextToColor(text);
    Require(color == kAutomaticColor || IsSystemColor(color) || (color >= 0 && color <= 0xFFFFFF));
    if (color != kAutomaticColor) {
        Require(TextToColor(ColorToText(color)) == color);
        Require(ParseColorValue(ColorValueText(color)) == color);
    }

    if (const auto value = ParseIntegerValue(text)) {
        Require(ParseIntegerValue(IntegerValueText(*value)) == value);
        Require(ParseBooleanValue(text) == (*value != 0));
    } else {
        Require(!ParseBooleanValue(text));
    }

    // A whole settings file of arbitrary values: it loads, and what it loads saves and loads back.
    const OrvaneOptions loaded = ReadOptions(fuzz::LineReader(text), L"C:\\default.log");
    test::FakeSettingsStore saved;
    WriteOptions(loaded, saved);
    Require(ReadOptions(saved, loaded.LogFile, loaded.Font) == loaded);
    return 0;
}
