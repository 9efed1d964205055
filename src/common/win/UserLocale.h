#pragma once

#include "common/core/LocaleFormat.h"

namespace orvane::win {

// The user's decimal and thousands separators; the defaults where the locale gives none.
NumberSeparators ReadNumberSeparators();

}  // namespace orvane::win
