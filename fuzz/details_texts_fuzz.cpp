// The details dialog builds a web address from a process's file name and the description in its
// executable's version resource, both text from outside: any text must encode to an address
// query of unreserved characters and %XX escapes that decodes to its UTF-8 form.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "common/core/HexDigit.h"
#include "processes/core/ProcessDetails.h"

namespace {

using orvane::fuzz::Require;
using orvane::fuzz::WideText;

bool Unreserved(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

// Checks that every byte is either unreserved or a %XX escape; returns the decoded bytes.
std::string Decode(const std::string& encoded) {
    std::string out;
    for (std::size_t i = 0; i < encoded.size(); ++i) {
        if (encoded[i] != '%') {
            Require(Unreserved(encoded[i]));
            out += encoded[i];
            continue;
        }
        Require(i + 2 < encoded.size());
        const int high = orvane::HexDigitValue(static_cast<wchar_t>(encoded[i + 1]));
        const int low = orvane::HexDigitValue(static_cast<wchar_t>(encoded[i + 2]));
        Require(high >= 0 && low >= 0);
        const auto byte = static_cast<char>(high * 16 + low);
        Require(!Unreserved(byte));
        out += byte;
        i += 2;
    }
    return out;
}

// Whether `bytes` is well-formed UTF-8: no surrogates, no overlong forms.
bool WellFormedUtf8(const std::string& bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        std::size_t n = b < 0x80         ? 1
                        : (b >> 5) == 6  ? 2
                        : (b >> 4) == 14 ? 3
                        : (b >> 3) == 30 ? 4
                                         : 0;
        if (n == 0 || i + n > bytes.size()) {
            return false;
        }
        char32_t cp = n == 1 ? b : b & (0x7F >> n);
        for (std::size_t k = 1; k < n; ++k) {
            const auto c = static_cast<unsigned char>(bytes[i + k]);
            if ((c & 0xC0) != 0x80) {
                return false;
            }
            cp = (cp << 6) | (c & 0x3F);
        }
        const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (cp < least[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            return false;
        }
        i += n;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::wstring text = WideText(data, size);
    const std::string encoded = orvane::PercentEncodeUtf8(text);
    const std::string decoded = Decode(encoded);
    Require(WellFormedUtf8(decoded));
    Require(decoded.size() <= 3 * text.size());

    const std::wstring url = orvane::WebSearchUrl(text, text);
    Require(url.find(L"/search?q=") != std::wstring::npos);
    Require(url.find_first_of(L" &#") == std::wstring::npos);
    return 0;
}
