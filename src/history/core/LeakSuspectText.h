#pragma once

#include <string>

#include "history/core/LeakWatch.h"

namespace orvane {

// The details dialog's line for a suspect: "疑似内存泄漏: " (suspected memory leak), the minutes
// since its growth began, " 分钟内增长 " (grew within them by) and the growth in whole megabytes
// (halves to even), e.g. "疑似内存泄漏: 30 分钟内增长 412 MB".
std::wstring LeakSuspectText(const LeakSuspect& suspect);

}  // namespace orvane
