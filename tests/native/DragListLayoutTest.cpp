#include "lattice/core/DragListLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

using namespace lattice::core;

namespace {

struct Item {
    std::string text;
    std::uint32_t data;
    bool operator==(const Item& other) const { return text == other.text && data == other.data; }
};

std::vector<Item> Apply(const std::vector<Item>& items, const std::vector<int>& order)
{
    std::vector<Item> out;
    for (int i : order)
        out.push_back(items[static_cast<std::size_t>(i)]);
    return out;
}

// The drop as the list box performs it, item by item: collect the selected
// items from the highest index down, deleting each and pulling the insert
// position up for every item deleted above it, then insert them in order.
std::vector<Item> DropItemByItem(std::vector<Item> items, const std::vector<int>& selected, int pos)
{
    std::vector<Item> moved(selected.size());
    for (std::size_t k = selected.size(); k-- > 0;) {
        const int i = selected[k];
        moved[k] = items[static_cast<std::size_t>(i)];
        items.erase(items.begin() + i);
        if (i < pos)
            --pos;
    }
    items.insert(items.begin() + pos, moved.begin(), moved.end());
    return items;
}

} // namespace

TEST(DragListLayout, InsertPositionFollowsTheNearestItemAndTheLastItemsHalves)
{
    struct Row { NearestItemQuery q; int expected; };
    const Row rows[] = {
        {{0, 0, true, false, 0, 0}, 0},        // empty list
        {{7, 3, false, true, 112, 50}, 3},     // an item other than the last
        {{7, 0, true, true, 112, -20}, 0},     // above the list: nearest is item 0
        {{7, 6, true, true, 112, 200}, 7},     // below the list: outside flag
        {{7, 6, false, true, 112, 113}, 7},    // probe past the last bottom
        {{7, 6, false, true, 112, 112}, 6},    // probe exactly on the bottom
        {{7, 6, false, false, 500, 112}, 6},   // last rectangle unreadable
        {{1, 0, false, true, 16, 10}, 0},      // one item, upper half
        {{1, 0, true, true, 20, 16}, 1},       // one item, below it
    };
    for (const Row& r : rows)
        EXPECT_EQ(InsertPosFromNearest(r.q), r.expected) << "nearest " << r.q.nNearest << " probe " << r.q.nProbeY;

    EXPECT_EQ(ProbeOffset(16), 8);
    EXPECT_EQ(ProbeOffset(15), 7);
}

TEST(DragListLayout, MarkerRowStaysInsideTheClientArea)
{
    EXPECT_EQ(MarkerRow(7, 48, 200), 48);   // top of the item
    EXPECT_EQ(MarkerRow(7, 112, 200), 112); // bottom of the last item
    EXPECT_EQ(MarkerRow(20, 320, 200), 199);
    EXPECT_EQ(MarkerRow(20, 200, 200), 199); // bottom not above the client bottom
    EXPECT_EQ(MarkerRow(0, 999, 200), 0);   // empty list
}

TEST(DragListLayout, ArrowsPointAtTheListEdgesFromOutside)
{
    const auto left = ArrowPolygon({0, 40}, true);
    const auto right = ArrowPolygon({100, 40}, false);
    const DragPoint expectedLeft[7] = {{0, 40}, {-5, 45}, {-5, 42}, {-9, 42}, {-9, 39}, {-5, 39}, {-5, 35}};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(left[i].x, expectedLeft[i].x) << i;
        EXPECT_EQ(left[i].y, expectedLeft[i].y) << i;
        // The right arrow mirrors the left one about its tip.
        EXPECT_EQ(right[i].x - 100, -(left[i].x)) << i;
        EXPECT_EQ(right[i].y, left[i].y) << i;
    }
}

TEST(DragListLayout, AutoScrollZonesAreOneItemInsideEachEdgeAndUnboundedOutside)
{
    // Client 0..160, items 16 high.
    EXPECT_EQ(AutoScrollDirection(-500, 0, 160, 16), -1);
    EXPECT_EQ(AutoScrollDirection(15, 0, 160, 16), -1);
    EXPECT_EQ(AutoScrollDirection(16, 0, 160, 16), 0);
    EXPECT_EQ(AutoScrollDirection(143, 0, 160, 16), 0);
    EXPECT_EQ(AutoScrollDirection(144, 0, 160, 16), 1);
    EXPECT_EQ(AutoScrollDirection(5000, 0, 160, 16), 1);
}

TEST(DragListLayout, DragStartsOnlyStrictlyPastTheDragDistance)
{
    EXPECT_FALSE(PastDragDistance({50, 50}, {54, 50}, 4, 4));
    EXPECT_FALSE(PastDragDistance({50, 50}, {46, 54}, 4, 4));
    EXPECT_TRUE(PastDragDistance({50, 50}, {55, 50}, 4, 4));
    EXPECT_TRUE(PastDragDistance({50, 50}, {50, 45}, 4, 4));
    EXPECT_TRUE(PastDragDistance({50, 50}, {50, 52}, 4, 1));
}

TEST(DragListLayout, DropOfAlternateItemsNearTheEnd)
{
    std::vector<Item> items;
    for (int i = 0; i < 7; ++i)
        items.push_back({"A" + std::to_string(i), static_cast<std::uint32_t>(100 + i)});
    const auto result = Apply(items, ReorderForDrop(items.size(), {1, 3, 5}, 6));
    std::vector<std::string> texts;
    for (const Item& item : result)
        texts.push_back(item.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"A0", "A2", "A4", "A1", "A3", "A5", "A6"}));
    EXPECT_EQ(result[3].data, 101u);
    EXPECT_EQ(result[5].data, 105u);
}

TEST(DragListLayout, DroppingAnItemBesideItselfChangesNothing)
{
    for (int i = 0; i < 5; ++i)
        for (int pos : {i, i + 1}) {
            const auto order = ReorderForDrop(5, {i}, pos);
            EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 3, 4})) << "item " << i << " at " << pos;
        }
}

TEST(DragListLayout, DegenerateDropsLoseNothing)
{
    EXPECT_TRUE(ReorderForDrop(0, {}, 0).empty());
    EXPECT_TRUE(ReorderForDrop(0, {0, -1}, 3).empty());
    EXPECT_EQ(ReorderForDrop(3, {}, 1), (std::vector<int>{0, 1, 2}));
    // Out-of-range and repeated indices are ignored; the position is clamped.
    EXPECT_EQ(ReorderForDrop(3, {-1, 2, 2, 7}, 0), (std::vector<int>{2, 0, 1}));
    EXPECT_EQ(ReorderForDrop(3, {0}, INT_MAX), (std::vector<int>{1, 2, 0}));
    EXPECT_EQ(ReorderForDrop(3, {2}, INT_MIN), (std::vector<int>{2, 0, 1}));
}

// Random lists, selections and drop positions: whatever the drop, every
// (text, data) pair is still there exactly once, the moved items form one
// block in their old order at the insert position less the selected items
// above it, and the others keep their order.
TEST(DragListLayout, RandomDropsKeepEveryItemAndEveryRelativeOrder)
{
    std::mt19937 rng(20261206);
    for (int round = 0; round < 2000; ++round) {
        const int n = std::uniform_int_distribution<int>(0, 40)(rng);
        std::vector<Item> items;
        std::uniform_int_distribution<std::uint32_t> anyData(0, UINT32_MAX);
        for (int i = 0; i < n; ++i) {
            // Duplicate texts on purpose: only the pair must be kept.
            const std::uint32_t data = round % 3 == 0 ? (i % 2 ? UINT32_MAX : 0) : anyData(rng);
            items.push_back({"T" + std::to_string(i % 5), data ^ static_cast<std::uint32_t>(i)});
        }
        std::vector<int> selected;
        const int density = std::uniform_int_distribution<int>(0, 100)(rng);
        for (int i = 0; i < n; ++i)
            if (std::uniform_int_distribution<int>(0, 99)(rng) < density)
                selected.push_back(i);
        const int pos = std::uniform_int_distribution<int>(0, n)(rng);

        const std::vector<int> order = ReorderForDrop(items.size(), selected, pos);
        ASSERT_EQ(order.size(), items.size());
        std::vector<int> sortedOrder = order;
        std::sort(sortedOrder.begin(), sortedOrder.end());
        for (int i = 0; i < n; ++i)
            ASSERT_EQ(sortedOrder[static_cast<std::size_t>(i)], i) << "round " << round;

        const int at = InsertPosAfterRemoval(selected, pos);
        const std::vector<int> block(order.begin() + at, order.begin() + at + static_cast<long>(selected.size()));
        EXPECT_EQ(block, selected) << "round " << round;

        std::vector<int> rest(order.begin(), order.begin() + at);
        rest.insert(rest.end(), order.begin() + at + static_cast<long>(selected.size()), order.end());
        EXPECT_TRUE(std::is_sorted(rest.begin(), rest.end())) << "round " << round;

        EXPECT_EQ(Apply(items, order), DropItemByItem(items, selected, pos)) << "round " << round;
    }
}
