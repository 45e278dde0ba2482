#include "lattice/core/DragListLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <stdexcept>
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

// The arrows beside the marker row: a head of 5 pixels and a shaft of 4 more, pointing at the list's edge.
TEST(DragListLayout, ArrowsPointAtTheListEdgeFromOutside)
{
    using Poly = std::array<DragPoint, 7>;
    auto same = [](const Poly& a, const Poly& b) {
        return std::equal(a.begin(), a.end(), b.begin(), [](DragPoint p, DragPoint q) { return p.x == q.x && p.y == q.y; });
    };
    EXPECT_TRUE(same(ArrowPolygon({0, 40}, true), Poly{{{0, 40}, {-5, 45}, {-5, 42}, {-9, 42}, {-9, 39}, {-5, 39}, {-5, 35}}}));
    EXPECT_TRUE(same(ArrowPolygon({200, 7}, false), Poly{{{200, 7}, {205, 12}, {205, 9}, {209, 9}, {209, 6}, {205, 6}, {205, 2}}}));
}

// A list as the drop sees it, over a vector; items are 64-bit so that a drop that cut them would show.
struct VectorList {
    using Item = std::uint64_t;
    std::vector<Item> items;
    int Count() const { return static_cast<int>(items.size()); }
    Item Take(int i)
    {
        const Item item = items.at(static_cast<std::size_t>(i));
        items.erase(items.begin() + i);
        return item;
    }
    void Put(int i, Item item)
    {
        if (i < 0 || i > Count())
            throw std::out_of_range("Put");
        items.insert(items.begin() + i, item);
    }
};

const std::uint64_t kHighData = 0x7FFFFFDA0000ull; // a pointer's worth of item data above 32 bits

VectorList ListOf(int n)
{
    VectorList list;
    for (int i = 0; i < n; ++i)
        list.items.push_back(kHighData + static_cast<std::uint64_t>(i) * 0x100000000ull);
    return list;
}

std::vector<int> Order(const VectorList& list)
{
    std::vector<int> order;
    for (std::uint64_t item : list.items)
        order.push_back(static_cast<int>((item - kHighData) / 0x100000000ull));
    return order;
}

TEST(DragListLayout, DegenerateDropsLoseNothing)
{
    VectorList empty;
    EXPECT_EQ(ReorderForDrop(empty, {0, -1}, 3), 0);
    EXPECT_TRUE(empty.items.empty());
    const struct { std::vector<int> selected; int pos; std::vector<int> order; int at; } rows[] = {
        {{-1, 2, 2, 7}, 0, {2, 0, 1}, 0}, // bad and repeated indices ignored
        {{0}, INT_MAX, {1, 2, 0}, 2},     // the position is clamped
        {{1}, 1, {0, 1, 2}, 1},           // a single item dropped at its own index
        {{1}, 2, {0, 1, 2}, 1},           // or just below it
        {{}, 1, {0, 1, 2}, 1},            // nothing selected
    };
    for (const auto& r : rows) {
        VectorList list = ListOf(3);
        EXPECT_EQ(ReorderForDrop(list, r.selected, r.pos), r.at) << "pos " << r.pos;
        EXPECT_EQ(Order(list), r.order) << "pos " << r.pos;
    }
}

// Random drops: no item is lost, duplicated or cut, the moved items form one block in their old order
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
        VectorList list = ListOf(n);
        const int at = ReorderForDrop(list, selected, pos);
        const std::vector<int> order = Order(list);
        ASSERT_TRUE(std::is_permutation(order.begin(), order.end(), all.begin(), all.end())) << "round " << round;
        const long above = std::count_if(selected.begin(), selected.end(), [pos](int i) { return i < pos; });
        EXPECT_EQ(at, pos - above) << "round " << round;
        const auto first = order.begin() + at, end = first + static_cast<long>(selected.size());
        EXPECT_EQ(std::vector<int>(first, end), selected) << "round " << round;
        std::vector<int> rest(order.begin(), first);
        rest.insert(rest.end(), end, order.end());
        EXPECT_TRUE(std::is_sorted(rest.begin(), rest.end())) << "round " << round;
    }
}
