#include "history/core/ExtensionSettings.h"

#include <array>
#include <type_traits>

#include "history/core/WindowPlaceValue.h"
#include "settings/core/SettingsValues.h"

namespace orvane {

namespace {

const std::array kFields = {
    ExtensionField{L"LeakWatch", &ExtensionOptions::LeakWatch},
    ExtensionField{L"LeakMinutes", &ExtensionOptions::LeakMinutes, kMinLeakMinutes,
                   kMaxLeakMinutes},
    ExtensionField{L"LeakGrowthMB", &ExtensionOptions::LeakGrowthMB, kMinLeakGrowthMB,
                   kMaxLeakGrowthMB},
    ExtensionField{L"LeakGrowthPercent", &ExtensionOptions::LeakGrowthPercent,
                   kMinLeakGrowthPercent, kMaxLeakGrowthPercent},
    ExtensionField{L"TrimReport", &ExtensionOptions::TrimReport},
    ExtensionField{L"HistoryWindow", &ExtensionOptions::HistoryWindow},
    ExtensionField{L"ShowProtectedProcesses", &ExtensionOptions::ShowProtectedProcesses},
};

}  // namespace

std::span<const ExtensionField> ExtensionFields() {
    return kFields;
}

std::wstring ExtensionText(const ExtensionField& field, const ExtensionOptions& options) {
    return std::visit(
        [&](auto member) -> std::wstring {
            const auto& value = options.*member;
            using T = std::remove_cvref_t<decltype(value)>;
            if constexpr (std::is_same_v<T, bool>) {
                return BooleanValueText(value);
            } else if constexpr (std::is_same_v<T, std::int32_t>) {
                return IntegerValueText(value);
            } else {
                return value ? WindowPlaceText(*value) : std::wstring();
            }
        },
        field.Member);
}

void ApplyExtensionText(const ExtensionField& field, std::wstring_view text,
                        ExtensionOptions& options) {
    std::visit(
        [&](auto member) {
            auto& value = options.*member;
            using T = std::remove_cvref_t<decltype(value)>;
            if constexpr (std::is_same_v<T, bool>) {
                value = ParseBooleanValue(text).value_or(value);
            } else if constexpr (std::is_same_v<T, std::int32_t>) {
                if (const auto number = ParseIntegerValue(text);
                    number && *number >= field.Min && *number <= field.Max) {
                    value = *number;
                }
            } else if (const auto place = ParseWindowPlace(text)) {
                value = place;
            }
        },
        field.Member);
}

ExtensionOptions ReadExtensionOptions(const SettingsReader& reader) {
    ExtensionOptions options;
    for (const ExtensionField& field : kFields) {
        const std::wstring text =
            reader.ReadString(kExtensionsSection, field.Key, ExtensionText(field, options));
        ApplyExtensionText(field, text, options);
    }
    return options;
}

void WriteExtensionOptions(const ExtensionOptions& options, SettingsWriter& writer) {
    for (const ExtensionField& field : kFields) {
        writer.WriteString(kExtensionsSection, field.Key, ExtensionText(field, options));
    }
}

}  // namespace orvane
