// Settings file values and colour texts come from a file the user may edit by hand: any text
// must read without a fault, and whatever reads as a value must write back to the same value.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "FuzzSupport.h"
#include "settings/core/ColorText.h"
#include "settings/core/SettingsSchema.h"
#include "settings/core/SettingsValues.h"

namespace {

using namespace orvane;
using fuzz::Require;
using fuzz::WideText;

class TextReader : public SettingsReader {
  public:
    explicit TextReader(std::wstring text) : text_(std::move(text)) {}
    // Each key gets the next line of the input, or its default when the input has run out.
    std::wstring ReadString(std::wstring_view, std::wstring_view,
                            std::wstring_view defaultValue) const override {
        if (pos_ >= text_.size()) {
            return std::wstring(defaultValue);
        }
        std::size_t end = text_.find(L'\n', pos_);
        if (end == std::wstring::npos) {
            end = text_.size();
        }
        std::wstring line = text_.substr(pos_, end - pos_);
        pos_ = end + 1;
        return line;
    }

  private:
    std::wstring text_;
    mutable std::size_t pos_ = 0;
};

class MapWriter : public SettingsWriter {
  public:
    void WriteString(std::wstring_view section, std::wstring_view key,
                     std::wstring_view value) override {
        values[{std::wstring(section), std::wstring(key)}] = value;
    }
    std::map<std::pair<std::wstring, std::wstring>, std::wstring> values;
};

class MapReader : public SettingsReader {
  public:
    explicit MapReader(const MapWriter& writer) : writer_(writer) {}
    std::wstring ReadString(std::wstring_view section, std::wstring_view key,
                            std::wstring_view defaultValue) const override {
        const auto it = writer_.values.find({std::wstring(section), std::wstring(key)});
        return it == writer_.values.end() ? std::wstring(defaultValue) : it->second;
    }

  private:
    const MapWriter& writer_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::wstring text = WideText(data, size);

    const TColor color = TextToColor(text);
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
    const TOrvaneOptions loaded = ReadOptions(TextReader(text), L"C:\\default.log");
    MapWriter saved;
    WriteOptions(loaded, saved);
    Require(ReadOptions(MapReader(saved), loaded.LogFile, loaded.Font) == loaded);
    return 0;
}
