// Insert positions, marker rows and drops are checked against a model list
// by fuzz_drag_list; these are the fixed values the window must reproduce.
#include "lattice/core/DragListLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

using namespace lattice::core;

TEST(DragListLayout, ScrollZonesMarkerRowDragDistanceAndArrowShapes)
{
    // Auto-scroll zones: one 16-pixel item inside each edge of 0..160, unbounded outside.
    const int zones[][2] = {{-500, -1}, {15, -1}, {16, 0}, {143, 0}, {144, 1}, {5000, 1}};
    for (const auto& z : zones)
        EXPECT_EQ(AutoScrollDirection(z[0], 0, 160, 16), z[1]) << "y " << z[0];

    // A marker row below the client area (the list scrolled) is pulled up to its last row.
    EXPECT_EQ(MarkerRow(20, 200, 200), 199);

    // A drag starts only strictly past the drag distance, on either axis.
    EXPECT_FALSE(PastDragDistance({50, 50}, {46, 54}, 4, 4));
    EXPECT_TRUE(PastDragDistance({50, 50}, {50, 52}, 4, 1));

    // The arrows beside the marker row: a head of 5 pixels and a shaft of 4 more, pointing at the list's edge.
    using Poly = std::array<DragPoint, 7>;
    auto same = [](const Poly& a, const Poly& b) {
        return std::equal(a.begin(), a.end(), b.begin(), [](DragPoint p, DragPoint q) { return p.x == q.x && p.y == q.y; });
    };
    EXPECT_TRUE(same(ArrowPolygon({0, 40}, true), Poly{{{0, 40}, {-5, 45}, {-5, 42}, {-9, 42}, {-9, 39}, {-5, 39}, {-5, 35}}}));
    EXPECT_TRUE(same(ArrowPolygon({200, 7}, false), Poly{{{200, 7}, {205, 12}, {205, 9}, {209, 9}, {209, 6}, {205, 6}, {205, 2}}}));
}
