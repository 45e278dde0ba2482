// Insert positions, marker rows of an unscrolled list, arrow shapes and drops
// are checked against a model list by fuzz_drag_list; these are the fixed
// values the window must reproduce.
#include "lattice/core/DragListLayout.h"

#include <gtest/gtest.h>

using namespace lattice::core;

TEST(DragListLayout, ScrollZonesScrolledMarkerRowAndDragDistance)
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
}
