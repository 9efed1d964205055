#pragma once

namespace orvane {

constexpr int kBaseDpi = 96;

// n × dpi / 96, rounded to the nearest integer with halves going to the even neighbour.
int ScaleByDpi(int n, int dpi);

}  // namespace orvane
