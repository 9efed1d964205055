#include <gtest/gtest.h>

#include "common/core/DpiScale.h"
#include "common/core/Placement.h"

namespace orvane {
namespace {

TEST(ScaleByDpi, RoundsHalvesToEven) {
    struct Case {
        int n, dpi, expected;
    } cases[] = {
        {3, 96, 3},    {3, 120, 4}, {3, 144, 4}, {3, 168, 5},
        {3, 192, 6},   {4, 120, 5}, {4, 144, 6}, {1, 144, 2},  // 1.5 → 2
        {5, 144, 8},                                           // 7.5 → 8
        {7, 144, 10},                                          // 10.5 → 10
        {-3, 144, -4},                                         // -4.5 → -4
        {0, 144, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ScaleByDpi(c.n, c.dpi), c.expected) << c.n << " at " << c.dpi;
    }
}

TEST(Placement, TaskbarEdgeAndCorner) {
    const int W = 1024, H = 768;
    struct Case {
        std::optional<Rect> taskbar;
        TaskbarEdge edge;
    } cases[] = {
        {std::nullopt, TaskbarEdge::Bottom},
        {Rect{0, 728, 1024, 768}, TaskbarEdge::Bottom},
        {Rect{0, 0, 1024, 40}, TaskbarEdge::Top},
        {Rect{0, 0, 60, 768}, TaskbarEdge::Left},
        {Rect{964, 0, 1024, 768}, TaskbarEdge::Right},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindTaskbarEdge(c.taskbar, W, H), c.edge);
    }
    const Rect work{0, 0, 1024, 728};
    EXPECT_EQ(PlaceNearNotificationArea(TaskbarEdge::Bottom, work, 300, 200), (Point{704, 508}));
    EXPECT_EQ(PlaceNearNotificationArea(TaskbarEdge::Top, Rect{0, 40, 1024, 768}, 300, 200),
              (Point{704, 50}));
    EXPECT_EQ(PlaceNearNotificationArea(TaskbarEdge::Left, Rect{60, 0, 1024, 768}, 300, 200),
              (Point{80, 548}));
}

TEST(Placement, KeepInsideMovesOnlyWhatReachesOut) {
    const Rect work{0, 0, 1024, 728};
    EXPECT_EQ(KeepInside(Rect{100, 100, 400, 300}, work), (Point{100, 100}));
    EXPECT_EQ(KeepInside(Rect{700, 500, 1100, 800}, work), (Point{624, 428}));  // a corner owner
    EXPECT_EQ(KeepInside(Rect{-50, -20, 250, 180}, work), (Point{0, 0}));
    EXPECT_EQ(KeepInside(Rect{500, 100, 1700, 300}, work), (Point{0, 100}));  // wider than the area
}

}  // namespace
}  // namespace orvane
