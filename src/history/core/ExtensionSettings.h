#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "common/core/Geometry.h"
#include "history/core/ExtensionOptions.h"
#include "settings/core/SettingsStore.h"

namespace orvane {

// The section of the additions' keys; a save writes it after all other sections.
inline constexpr std::wstring_view kExtensionsSection = L"Extensions";

// Where in ExtensionOptions a key's value lives; its type says how the text encodes it: a
// Boolean as "1"/"0", a whole number in decimal (read also as hexadecimal after "0x" or "$"),
// a window place as "x,y,w,h" (empty for none).
using ExtensionMember = std::variant<bool ExtensionOptions::*, std::int32_t ExtensionOptions::*,
                                     std::optional<Rect> ExtensionOptions::*>;

struct ExtensionField {
    std::wstring_view Key;
    ExtensionMember Member;
    // Whole numbers outside this range read as the default.
    std::int32_t Min = INT32_MIN;
    std::int32_t Max = INT32_MAX;
};

// The keys of "Extensions" in the order a save writes them.
std::span<const ExtensionField> ExtensionFields();

// The text a key would be written as.
std::wstring ExtensionText(const ExtensionField& field, const ExtensionOptions& options);

// Stores a key's text into `options`; text the key's encoding cannot read, or a number outside
// the key's range, leaves the value.
void ApplyExtensionText(const ExtensionField& field, std::wstring_view text,
                        ExtensionOptions& options);

// All keys of "Extensions", each defaulting to the record's default.
ExtensionOptions ReadExtensionOptions(const SettingsReader& reader);

// Writes every key in order. Stops at the first write that throws.
void WriteExtensionOptions(const ExtensionOptions& options, SettingsWriter& writer);

}  // namespace orvane
