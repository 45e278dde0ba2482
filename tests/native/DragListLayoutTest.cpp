#include "lattice/core/DragListLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>
#include <vector>

using namespace lattice::core;

TEST(DragListLayout, GeometryOfInsertPositionMarkerArrowsScrollZonesAndDragDistance)
{
    struct Row { NearestItemQuery q; int expected; };
    const Row rows[] = {
        {{0, 0, true, false, 0, 0}, 0},      // empty list
        {{7, 3, false, true, 112, 50}, 3},   // an item other than the last
        {{7, 6, true, true, 112, 200}, 7},   // below the list: outside flag
        {{7, 6, false, true, 112, 113}, 7},  // probe past the last bottom
        {{7, 6, false, true, 112, 112}, 6},  // probe exactly on the bottom
        {{7, 6, false, false, 500, 112}, 6}, // last rectangle unreadable
    };
    for (const Row& r : rows)
        EXPECT_EQ(InsertPosFromNearest(r.q), r.expected) << "nearest " << r.q.nNearest << " probe " << r.q.nProbeY;
    EXPECT_EQ(ProbeOffset(15), 7);

    // Marker row: clamped inside a 200-pixel client area; 0 for an empty list.
    EXPECT_EQ(MarkerRow(7, 112, 200), 112);
    EXPECT_EQ(MarkerRow(20, 200, 200), 199);
    EXPECT_EQ(MarkerRow(0, 999, 200), 0);

    // Arrows point at the list edges from outside, the right one mirroring the left.
    const auto left = ArrowPolygon({0, 40}, true);
    const auto right = ArrowPolygon({100, 40}, false);
    EXPECT_EQ(left[0].x, 0);
    for (int i = 0; i < 7; ++i) {
        EXPECT_LE(left[i].x, 0) << i;
        EXPECT_EQ(right[i].x - 100, -left[i].x) << i;
        EXPECT_EQ(right[i].y, left[i].y) << i;
    }

    // Auto-scroll zones: one 16-pixel item inside each edge of 0..160, unbounded outside.
    const int zones[][2] = {{-500, -1}, {15, -1}, {16, 0}, {143, 0}, {144, 1}, {5000, 1}};
    for (const auto& z : zones)
        EXPECT_EQ(AutoScrollDirection(z[0], 0, 160, 16), z[1]) << "y " << z[0];

    // A drag starts only strictly past the drag distance, on either axis.
    EXPECT_FALSE(PastDragDistance({50, 50}, {46, 54}, 4, 4));
    EXPECT_TRUE(PastDragDistance({50, 50}, {55, 50}, 4, 4));
    EXPECT_TRUE(PastDragDistance({50, 50}, {50, 52}, 4, 1));
}

TEST(DragListLayout, DegenerateDropsLoseNothing)
{
    EXPECT_TRUE(ReorderForDrop(0, {0, -1}, 3).empty());
    EXPECT_EQ(ReorderForDrop(3, {}, 1), (std::vector<int>{0, 1, 2}));
    // Out-of-range and repeated indices are ignored; the position is clamped.
    EXPECT_EQ(ReorderForDrop(3, {-1, 2, 2, 7}, 0), (std::vector<int>{2, 0, 1}));
    EXPECT_EQ(ReorderForDrop(3, {0}, INT_MAX), (std::vector<int>{1, 2, 0}));
    EXPECT_EQ(ReorderForDrop(3, {2}, INT_MIN), (std::vector<int>{2, 0, 1}));
}

// Random lists, selections and drop positions: the result is a permutation
// (no item lost or duplicated), the moved items form one block in their old
// order at the insert position less the selected items above it, and the
// others keep their order.
TEST(DragListLayout, RandomDropsKeepEveryItemAndEveryRelativeOrder)
{
    std::mt19937 rng(20261206);
    auto uniform = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int round = 0; round < 2000; ++round) {
        const int n = uniform(0, 40);
        std::vector<int> selected;
        const int density = uniform(0, 100);
        for (int i = 0; i < n; ++i)
            if (uniform(0, 99) < density)
                selected.push_back(i);
        const int pos = uniform(0, n);

        const std::vector<int> order = ReorderForDrop(static_cast<std::size_t>(n), selected, pos);
        ASSERT_EQ(order.size(), static_cast<std::size_t>(n));
        std::vector<int> sortedOrder = order;
        std::sort(sortedOrder.begin(), sortedOrder.end());
        for (int i = 0; i < n; ++i)
            ASSERT_EQ(sortedOrder[static_cast<std::size_t>(i)], i) << "round " << round;

        const long above = std::count_if(selected.begin(), selected.end(), [pos](int i) { return i < pos; });
        EXPECT_EQ(InsertPosAfterRemoval(selected, pos), pos - above) << "round " << round;
        const auto at = order.begin() + (pos - above);
        const auto end = at + static_cast<long>(selected.size());
        EXPECT_EQ(std::vector<int>(at, end), selected) << "round " << round;
        std::vector<int> rest(order.begin(), at);
        rest.insert(rest.end(), end, order.end());
        EXPECT_TRUE(std::is_sorted(rest.begin(), rest.end())) << "round " << round;
    }
}
