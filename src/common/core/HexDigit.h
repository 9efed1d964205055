#pragma once

namespace orvane {

// The value of one hexadecimal digit (either case), or -1.
constexpr int HexDigitValue(wchar_t c) {
    if (c >= L'0' && c <= L'9') {
        return c - L'0';
    }
    if (c >= L'A' && c <= L'F') {
        return c - L'A' + 10;
    }
    if (c >= L'a' && c <= L'f') {
        return c - L'a' + 10;
    }
    return -1;
}

// The upper-case hexadecimal digit of the low four bits.
constexpr char HexDigitUpper(unsigned value) {
    return "0123456789ABCDEF"[value & 0xF];
}

}  // namespace orvane
