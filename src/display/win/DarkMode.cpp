#include "display/win/DarkMode.h"

#include <vector>

namespace orvane::win {

namespace {

bool ReadIsWindows10OrLater() {
    const wchar_t* const file = L"kernel32.dll";
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(file, &ignored);
    if (size == 0) {
        return false;
    }
    std::vector<unsigned char> data(size);
    if (!::GetFileVersionInfoW(file, 0, size, data.data())) {
        return false;
    }
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!::VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &length) ||
        info == nullptr || length < sizeof(VS_FIXEDFILEINFO)) {
        return false;
    }
    return HIWORD(info->dwFileVersionMS) >= 10;
}

}  // namespace

bool IsWindows10OrLater() {
    static const bool value = ReadIsWindows10OrLater();
    return value;
}

bool IsDarkTheme(bool System) {
    if (!IsWindows10OrLater()) {
        return System;
    }
    // Read-only: looking at the theme must never create or change anything.
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER,
                        L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize", 0,
                        KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return true;
    }
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof(value);
    const LONG status =
        ::RegQueryValueExW(key, System ? L"SystemUsesLightTheme" : L"AppsUseLightTheme", nullptr,
                           &type, reinterpret_cast<BYTE*>(&value), &size);
    ::RegCloseKey(key);
    if (status != ERROR_SUCCESS || type != REG_DWORD || size != sizeof(value)) {
        return true;
    }
    return value == 0;
}

ColorValue ColorToRgb(ColorValue c) {
    if (IsSystemColor(c)) {
        return static_cast<ColorValue>(::GetSysColor(SystemColorIndex(c)));
    }
    return c;
}

int MenuModeNow(const OrvaneOptions& o) {
    return GetMenuModeColor(o, IsDarkTheme(false));
}

ColorValue ProcMenuHighlightNow(const OrvaneOptions& o, bool DefaultsOnly, int nForceColorMode) {
    // A forced mode needs no look at the theme.
    const int mode = nForceColorMode > 0 ? kLightMenu : MenuModeNow(o);
    return GetProcMenuHighlightColor(o, DefaultsOnly, nForceColorMode, mode);
}

void SetFontColor(OrvaneOptions& o) {
    o.Font.Color =
        o.FontColor != kAutomaticColor ? o.FontColor : GetFontColor(o, true, IsDarkTheme(true));
}

IconColors CurrentIconColors(const OrvaneOptions& o) {
    IconColors c = ResolveIconColors(o, IsDarkTheme(true));
    for (ColorValue* role :
         {&c.Font, &c.Background, &c.BarBackground, &c.Green, &c.Yellow, &c.Red}) {
        *role = ColorToRgb(*role);
    }
    return c;
}

}  // namespace orvane::win
