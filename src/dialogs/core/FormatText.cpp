#include "dialogs/core/FormatText.h"

namespace orvane {

namespace {

std::wstring Hex(std::uint64_t n) {
    static constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
    std::wstring out;
    do {
        out.insert(out.begin(), kDigits[n & 0xF]);
        n >>= 4;
    } while (n != 0);
    return out;
}

}  // namespace

std::wstring FormatText(const std::wstring& pattern, const std::vector<FormatArg>& args) {
    std::wstring out;
    std::size_t next = 0;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const wchar_t c = pattern[i];
        if (c != L'%' || i + 1 >= pattern.size()) {
            out += c;
            continue;
        }
        const wchar_t kind = pattern[i + 1];
        if (kind == L'%') {
            out += L'%';
            ++i;
            continue;
        }
        const FormatArg* arg = next < args.size() ? &args[next] : nullptr;
        const auto* text = arg ? std::get_if<std::wstring>(&arg->value) : nullptr;
        const auto* number = arg ? std::get_if<std::int64_t>(&arg->value) : nullptr;
        if (kind == L's' && text) {
            out += *text;
        } else if (kind == L'd' && number) {
            out += std::to_wstring(*number);
        } else if (kind == L'u' && number) {
            out += std::to_wstring(static_cast<std::uint64_t>(*number));
        } else if ((kind == L'x' || kind == L'X') && number) {
            out += Hex(static_cast<std::uint64_t>(*number));
        } else {
            out += c;
            continue;
        }
        ++next;
        ++i;
    }
    return out;
}

}  // namespace orvane
