#include "lattice/core/DragListLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <iterator>
#include <numeric>
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

    EXPECT_EQ(MarkerRow(20, 200, 200), 199); // the marker stays inside the client area
    EXPECT_EQ(MarkerRow(0, 999, 200), 0);

    // Auto-scroll zones: one 16-pixel item inside each edge of 0..160, unbounded outside.
    const int zones[][2] = {{-500, -1}, {15, -1}, {16, 0}, {143, 0}, {144, 1}, {5000, 1}};
    for (const auto& z : zones)
        EXPECT_EQ(AutoScrollDirection(z[0], 0, 160, 16), z[1]) << "y " << z[0];

    // A drag starts only strictly past the drag distance, on either axis.
    EXPECT_FALSE(PastDragDistance({50, 50}, {46, 54}, 4, 4));
    EXPECT_TRUE(PastDragDistance({50, 50}, {50, 52}, 4, 1));
}

TEST(DragListLayout, DegenerateDropsLoseNothing)
{
    EXPECT_TRUE(ReorderForDrop(0, {0, -1}, 3).empty());
    EXPECT_EQ(ReorderForDrop(3, {-1, 2, 2, 7}, 0), (std::vector<int>{2, 0, 1})); // bad and repeated indices ignored
    EXPECT_EQ(ReorderForDrop(3, {0}, INT_MAX), (std::vector<int>{1, 2, 0}));        // the position is clamped
}

// Random drops: no item is lost or duplicated, the moved items form one block in their old order
// at the insert position less the selected items above it, and the others keep their order.
TEST(DragListLayout, RandomDropsKeepEveryItemAndEveryRelativeOrder)
{
    std::mt19937 rng(20261206);
    auto uniform = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int round = 0; round < 2000; ++round) {
        const int n = uniform(0, 40), density = uniform(0, 100), pos = uniform(0, n);
        std::vector<int> selected, all(static_cast<std::size_t>(n));
        std::iota(all.begin(), all.end(), 0);
        std::copy_if(all.begin(), all.end(), std::back_inserter(selected),
                     [&](int) { return uniform(0, 99) < density; });
        const std::vector<int> order = ReorderForDrop(all.size(), selected, pos);
        ASSERT_TRUE(std::is_permutation(order.begin(), order.end(), all.begin(), all.end())) << "round " << round;
        const long above = std::count_if(selected.begin(), selected.end(), [pos](int i) { return i < pos; });
        EXPECT_EQ(InsertPosAfterRemoval(selected, pos), pos - above) << "round " << round;
        const auto at = order.begin() + (pos - above), end = at + static_cast<long>(selected.size());
        EXPECT_EQ(std::vector<int>(at, end), selected) << "round " << round;
        std::vector<int> rest(order.begin(), at);
        rest.insert(rest.end(), end, order.end());
        EXPECT_TRUE(std::is_sorted(rest.begin(), rest.end())) << "round " << round;
    }
}
