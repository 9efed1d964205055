#pragma once

namespace orvane {

// Pixel rows of the four digit strips, as drawn; see DigitStripData.cpp.
extern const char* const kPicClip3Rows;
extern const char* const kPicClip320Rows;
extern const char* const kPicClip324Rows;
extern const char* const kPicClip4Rows;

}  // namespace orvane
