#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/core/Geometry.h"

namespace orvane {

// A window's place and size as the settings file keeps it: "x,y,w,h" in screen pixels, e.g.
// "100,200,640,360". Coordinates lie within ±32767 and sizes within 1..32767.
std::wstring WindowPlaceText(const Rect& place);

// nullopt for text that is not four such whole numbers separated by commas (blanks around a
// number are allowed).
std::optional<Rect> ParseWindowPlace(std::wstring_view text);

}  // namespace orvane
