#include "options/win/SpinBox.h"

#include <commctrl.h>

namespace orvane::win {

void SpinBox::Create(HWND parent, int editId, const SpinRange& range, bool readOnly) {
    range_ = range;
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    const DWORD editStyle = WS_CHILD | WS_TABSTOP | ES_NUMBER | ES_RIGHT | ES_AUTOHSCROLL |
                            (readOnly ? ES_READONLY : 0u);
    edit_ =
        ::CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", editStyle, 0, 0, 0, 0, parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(editId)), instance, nullptr);
    upDown_ = ::CreateWindowExW(
        0, UPDOWN_CLASSW, L"",
        WS_CHILD | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS | UDS_HOTTRACK, 0, 0, 0, 0,
        parent, nullptr, instance, nullptr);
    ::SendMessageW(upDown_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit_), 0);
    UDACCEL accel{0, static_cast<UINT>(range.Step)};
    ::SendMessageW(upDown_, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
    ApplyRange();
}

void SpinBox::Place(int x, int y, int width, int height, int arrowsWidth) {
    ::SetWindowPos(edit_, nullptr, x, y, width - arrowsWidth, height, SWP_NOZORDER);
    ::SetWindowPos(upDown_, nullptr, x + width - arrowsWidth, y, arrowsWidth, height, SWP_NOZORDER);
}

std::wstring SpinBox::Text() const {
    wchar_t buf[64] = {};
    ::GetWindowTextW(edit_, buf, 64);
    return buf;
}

int SpinBox::Value() const {
    return SpinValueFromText(Text(), range_);
}

void SpinBox::SetValue(int value) {
    ::SendMessageW(upDown_, UDM_SETPOS32, 0, ClampToRange(value, range_));
}

void SpinBox::SetMin(int min) {
    range_.Min = min;
    ApplyRange();
}

void SpinBox::SetMax(int max) {
    range_.Max = max;
    ApplyRange();
}

void SpinBox::Normalize() {
    const int value = Value();
    if (Text() != std::to_wstring(value)) {
        SetValue(value);
    }
}

void SpinBox::Enable(bool enabled) {
    ::EnableWindow(edit_, enabled);
    ::EnableWindow(upDown_, enabled);
}

void SpinBox::ApplyRange() {
    ::SendMessageW(upDown_, UDM_SETRANGE32, static_cast<WPARAM>(range_.Min),
                   static_cast<LPARAM>(range_.Max));
}

}  // namespace orvane::win
