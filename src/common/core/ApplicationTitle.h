#pragma once

namespace orvane {

// The title of dialogs and message boxes that set no caption of their own.
inline constexpr wchar_t kApplicationTitle[] = L"Orvane";

}  // namespace orvane
