// The colour dialog's custom colours are read from the settings file, which the user may edit
// by hand: any text must read into sixteen plain colours that write and read back unchanged.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "options/core/CustomColors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvane;
    const CustomColors colors = DecodeCustomColors(fuzz::WideText(data, size));
    for (const ColorValue color : colors) {
        fuzz::Require(color >= 0 && color <= 0xFFFFFF);
    }
    const std::wstring encoded = EncodeCustomColors(colors);
    fuzz::Require(encoded.size() == kCustomColorCount * 7 - 1);
    fuzz::Require(DecodeCustomColors(encoded) == colors);
    return 0;
}
