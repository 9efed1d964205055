#include "display/core/DigitStrips.h"

#include "display/core/DigitStripData.h"

namespace orvane {

namespace {
constexpr int kStripCells = 11;
}

DigitStrips::DigitStrips()
    : PicClip_3(ParseStrip(kPicClip3Rows, kStripCells)),
      PicClip_3_20(ParseStrip(kPicClip320Rows, kStripCells)),
      PicClip_3_24(ParseStrip(kPicClip324Rows, kStripCells)),
      PicClip_4(ParseStrip(kPicClip4Rows, kStripCells)) {}

PicClip& DigitStrips::GetPicClip(int number, int dpi) {
    if (number >= 4) {
        return PicClip_4;
    }
    if (dpi == 96) {
        return PicClip_3;
    }
    return dpi == 120 ? PicClip_3_20 : PicClip_3_24;
}

}  // namespace orvane
