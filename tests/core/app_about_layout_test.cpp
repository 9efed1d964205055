#include <gtest/gtest.h>

#include "app/core/AboutLayout.h"
#include "common/core/DpiScale.h"

namespace orvane {
namespace {

bool Holds(const Rect& r, TextSize t) {
    return r.Width() >= t.cx && r.Height() >= t.cy;
}

bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

TEST(LayoutAbout, EveryTextFitsAndNothingOverlapsAtEachDpi) {
    for (int dpi : {96, 120, 144, 192}) {
        SCOPED_TRACE(dpi);
        // Texts roughly as a CJK message font measures them, scaled; one very long line.
        auto t = [dpi](int cx, int cy) {
            return TextSize{ScaleByDpi(cx, dpi), ScaleByDpi(cy, dpi)};
        };
        const AboutTexts texts{t(150, 17), t(180, 17), t(400, 17), t(230, 19), t(52, 17)};
        const int icon = ScaleByDpi(32, dpi);
        const AboutLayout l = LayoutAbout(texts, icon, dpi);
        EXPECT_TRUE(Holds(l.Name, texts.Name));
        EXPECT_TRUE(Holds(l.Version, texts.Version));
        EXPECT_TRUE(Holds(l.Rights, texts.Rights));
        EXPECT_TRUE(Holds(l.Update, texts.Update));
        EXPECT_TRUE(Holds(l.Button, texts.Button));
        EXPECT_EQ(l.Icon.Width(), icon);
        const Rect all[] = {l.Icon, l.Name, l.Version, l.Rights, l.Update, l.Button};
        for (size_t i = 0; i < std::size(all); ++i) {
            EXPECT_GE(all[i].left, 0);
            EXPECT_GE(all[i].top, 0);
            EXPECT_LE(all[i].right, l.ClientWidth);
            EXPECT_LE(all[i].bottom, l.ClientHeight);
            for (size_t j = i + 1; j < std::size(all); ++j) {
                EXPECT_FALSE(Overlap(all[i], all[j])) << i << " and " << j;
            }
        }
    }
}

}  // namespace
}  // namespace orvane
