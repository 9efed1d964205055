#include "common/win/DefaultErrorHandler.h"

#include <windows.h>

#include <exception>

#include "common/core/AppError.h"
#include "common/core/ApplicationTitle.h"

namespace orvane::win {

namespace {

std::wstring Widen(const char* text) {
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n > 0 ? n : 1), L'\0');
    if (n > 0) {
        ::MultiByteToWideChar(CP_UTF8, 0, text, -1, out.data(), n);
    }
    out.resize(out.size() - 1);
    return out;
}

}  // namespace

void ShowException(const std::wstring& message) {
    std::wstring text = message;
    if (!text.empty() && text.back() > L'.') {
        text += L'.';
    }
    ::MessageBoxW(::GetActiveWindow(), text.c_str(), kApplicationTitle, MB_OK | MB_ICONERROR);
}

void RunEventHandler(const std::function<void()>& handler) noexcept {
    try {
        handler();
    } catch (const AppError& e) {
        ShowException(e.Message());
    } catch (const std::exception& e) {
        ShowException(Widen(e.what()));
    } catch (...) {
        ShowException(L"Unknown error");
    }
}

}  // namespace orvane::win
