#include "common/win/UserLocale.h"

#include <windows.h>

namespace orvane::win {

namespace {

void ReadLocaleText(LCTYPE type, std::wstring& text) {
    wchar_t buffer[8] = {};
    const int n = ::GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, 8);
    if (n > 1) {
        text.assign(buffer, static_cast<std::size_t>(n - 1));
    }
}

}  // namespace

NumberSeparators ReadNumberSeparators() {
    NumberSeparators sep;
    ReadLocaleText(LOCALE_SDECIMAL, sep.Decimal);
    ReadLocaleText(LOCALE_STHOUSAND, sep.Thousands);
    return sep;
}

}  // namespace orvane::win
