#include "common/win/UserLocale.h"

#include <windows.h>

#include <string>

namespace orvane::win {

namespace {

void ReadLocaleText(LCTYPE type, std::wstring& text) {
    wchar_t buffer[16] = {};
    const int length = ::GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, 16);
    if (length > 0) {
        text.assign(buffer, static_cast<std::size_t>(length - 1));
    }
}

}  // namespace

NumberSeparators UserNumberSeparators() {
    NumberSeparators separators;
    ReadLocaleText(LOCALE_SDECIMAL, separators.Decimal);
    ReadLocaleText(LOCALE_STHOUSAND, separators.Thousands);
    return separators;
}

}  // namespace orvane::win
