#include "settings/core/SettingsSchema.h"

#include <array>
#include <type_traits>

#include "settings/core/SettingsValues.h"

namespace orvane {

namespace {

constexpr std::wstring_view kGeneral = L"General";
constexpr std::wstring_view kFont = L"Font";
constexpr std::wstring_view kColors = L"Colors";

// Most keys carry the name of their field.
#define ORVANE_SETTING(section, kind, name)                         \
    SettingField {                                                  \
        section, L"" #name, SettingKind::kind, &OrvaneOptions::name \
    }

// A save appends each new key at the end of its section: RedPercent and YellowPercent close
// "General" because they are written after "Font".
const std::array kFields = {
    ORVANE_SETTING(kGeneral, Boolean, Warn),
    ORVANE_SETTING(kGeneral, Boolean, WarnMsgBox),
    ORVANE_SETTING(kGeneral, Boolean, WriteLog),
    ORVANE_SETTING(kGeneral, Integer, HighlightProcessAbove),
    ORVANE_SETTING(kGeneral, Boolean, ShowNameInsteadOfModule),
    ORVANE_SETTING(kGeneral, Boolean, UnifyProcesses),
    ORVANE_SETTING(kGeneral, Boolean, ShowPage),
    ORVANE_SETTING(kGeneral, Boolean, ShowFree),
    ORVANE_SETTING(kGeneral, Boolean, ShowPercentage),
    ORVANE_SETTING(kGeneral, Boolean, ShowPercSign),
    ORVANE_SETTING(kGeneral, Boolean, InternalFont),
    ORVANE_SETTING(kGeneral, Boolean, HintWhatisDisplayed),
    ORVANE_SETTING(kGeneral, Boolean, StandardGauge),
    ORVANE_SETTING(kGeneral, Boolean, BarBottom),
    ORVANE_SETTING(kGeneral, Boolean, TransBk),
    ORVANE_SETTING(kGeneral, Integer, RefreshRate),
    ORVANE_SETTING(kGeneral, Boolean, FullBar),
    ORVANE_SETTING(kGeneral, Integer, RefreshHotkey),
    ORVANE_SETTING(kGeneral, Boolean, ShowWelcomeWindow),
    ORVANE_SETTING(kGeneral, Boolean, ShowTopProcess),
    ORVANE_SETTING(kGeneral, Integer, TopProcessCount),
    ORVANE_SETTING(kGeneral, Boolean, ShowMemMenu),
    ORVANE_SETTING(kGeneral, Boolean, DefragOnHighMemory),
    ORVANE_SETTING(kGeneral, Boolean, DefragEveryActive),
    ORVANE_SETTING(kGeneral, Integer, DefragEvery),
    ORVANE_SETTING(kGeneral, Integer, DoubleClickAction),
    ORVANE_SETTING(kGeneral, Boolean, SwitchOffMonitorOnLock),
    ORVANE_SETTING(kGeneral, Boolean, ClickedDonation),
    ORVANE_SETTING(kGeneral, Boolean, NoWarningSwithOffMonMobile),
    ORVANE_SETTING(kGeneral, Integer, ProcessValueType),
    SettingField{kFont, L"Name", SettingKind::Text, &FontSpec::Name},
    SettingField{kFont, L"CharSet", SettingKind::Integer, &FontSpec::CharSet},
    // The sizes the font dialog offers: a larger one would cost a huge font for a 16-pixel icon.
    SettingField{kFont, L"Size", SettingKind::Integer, &FontSpec::Size, true, 1, 72},
    SettingField{kFont, L"Style", SettingKind::Integer, &FontSpec::Style},
    SettingField{kFont, L"Color", SettingKind::Integer, &OrvaneOptions::FontColor},
    ORVANE_SETTING(kGeneral, Integer, RedPercent),
    ORVANE_SETTING(kGeneral, Integer, YellowPercent),
    ORVANE_SETTING(kColors, Integer, MenuColorMode),
    ORVANE_SETTING(kColors, Boolean, DigitsColored),
    ORVANE_SETTING(kColors, Color, ProcMenuHightlightColor),
    ORVANE_SETTING(kColors, Color, OpaqueBkColor),
    ORVANE_SETTING(kColors, Color, GreenColor),
    ORVANE_SETTING(kColors, Color, YellowColor),
    ORVANE_SETTING(kColors, Color, RedColor),
    ORVANE_SETTING(kColors, Color, FullBarColor),
    SettingField{kGeneral, L"LogFile", SettingKind::Text, &OrvaneOptions::LogFile, false},
};

#undef ORVANE_SETTING

// The value a member pointer names, in the record or in its font; const follows the record.
template <typename Options, typename T>
auto& MemberOf(Options& options, T OrvaneOptions::*member) {
    return options.*member;
}
template <typename Options, typename T>
auto& MemberOf(Options& options, T FontSpec::*member) {
    return options.Font.*member;
}

}  // namespace

std::span<const SettingField> SettingFields() {
    return kFields;
}

std::wstring SettingText(const SettingField& field, const OrvaneOptions& options) {
    return std::visit(
        [&](auto member) -> std::wstring {
            const auto& value = MemberOf(options, member);
            using T = std::remove_cvref_t<decltype(value)>;
            if constexpr (std::is_same_v<T, bool>) {
                return BooleanValueText(value);
            } else if constexpr (std::is_same_v<T, std::wstring>) {
                return value;
            } else if (field.Kind == SettingKind::Color) {
                return ColorValueText(value);
            } else {
                return IntegerValueText(value);
            }
        },
        field.Member);
}

void ApplySettingText(const SettingField& field, std::wstring_view text, OrvaneOptions& options) {
    std::visit(
        [&](auto member) {
            auto& value = MemberOf(options, member);
            using T = std::remove_cvref_t<decltype(value)>;
            if constexpr (std::is_same_v<T, bool>) {
                value = ParseBooleanValue(text).value_or(value);
            } else if constexpr (std::is_same_v<T, std::wstring>) {
                // An empty font name or log path is of no use: keep the default.
                if (!text.empty()) {
                    value = text;
                }
            } else if (field.Kind == SettingKind::Color) {
                value = ParseColorValue(text);
            } else if (const auto number = ParseIntegerValue(text);
                       number && *number >= field.Min && *number <= field.Max) {
                value = *number;
            }
        },
        field.Member);
}

OrvaneOptions ReadOptions(const SettingsReader& reader, const std::wstring& defaultLogFile,
                          const FontSpec& currentFont) {
    OrvaneOptions options;
    options.Font = currentFont;
    options.LogFile = defaultLogFile;
    for (const SettingField& field : kFields) {
        const std::wstring text =
            reader.ReadString(field.Section, field.Key, SettingText(field, options));
        ApplySettingText(field, text, options);
    }
    return options;
}

void WriteOptions(const OrvaneOptions& options, SettingsWriter& writer) {
    for (const SettingField& field : kFields) {
        if (field.Saved) {
            writer.WriteString(field.Section, field.Key, SettingText(field, options));
        }
    }
}

}  // namespace orvane
