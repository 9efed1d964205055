#include "update/core/TempFileName.h"

#include <cmath>
#include <cwchar>

namespace orvane {

std::wstring NormalizeExtension(const std::wstring& extension) {
    if (extension.empty() || extension.front() == L'.') {
        return extension;
    }
    const auto first = extension.find_first_not_of(L" \t");
    if (first == std::wstring::npos) {
        return {};
    }
    const auto last = extension.find_last_not_of(L" \t");
    const std::wstring trimmed = extension.substr(first, last - first + 1);
    return trimmed.front() == L'.' ? trimmed : L"." + trimmed;
}

std::wstring TempFileNameAt(double dayFraction, unsigned attempt, const std::wstring& extension) {
    double places = dayFraction * 1e8;
    if (!std::isfinite(places) || places < 0) {
        places = 0;
    }
    const auto digits =
        (static_cast<unsigned long long>(std::fmod(std::floor(places), 1e5)) + attempt) % 100000;
    wchar_t name[16];
    std::swprintf(name, 16, L"TMP%05llu", digits);
    return name + NormalizeExtension(extension);
}

}  // namespace orvane
