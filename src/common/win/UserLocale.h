#pragma once

#include "common/core/LocaleFormat.h"

namespace orvane::win {

// The user's decimal and thousands separators; one the system cannot tell keeps its default.
NumberSeparators UserNumberSeparators();

}  // namespace orvane::win
