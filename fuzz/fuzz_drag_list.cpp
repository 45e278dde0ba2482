// The drag list's arithmetic against a model list: a drop's reorder must
// leave the list a reference builds by taking the moved items out and
// putting them back in order; the insert position must be the item boundary
// nearest the cursor, whichever way the list reports a probe below its last
// item; the marker row stays inside the list; the arrows keep their shape.
//
// Input: item count, item height, client height, the cursor, then the
// selection (signed bytes, so out-of-range and repeated indices occur) and
// the insert position.
#include "lattice/core/DragListLayout.h"

#include "FuzzInput.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <vector>

namespace core = lattice::core;

namespace {

// A list as the drop sees it. Its items carry a pointer's worth of data
// above 32 bits, so that a reorder that cut an item would show; an index
// outside the list stops the run.
struct ModelList {
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
            std::abort();
        items.insert(items.begin() + i, item);
    }
};
const std::uint64_t kHighData = 0x7FFFFFDA00000000ull, kStep = 0x100000001ull;

void CheckReorder(int nCount, const std::vector<int>& selected, int nInsert)
{
    const auto item = [](int i) { return kHighData + static_cast<std::uint64_t>(i) * kStep; };
    ModelList list;
    for (int i = 0; i < nCount; ++i)
        list.items.push_back(item(i));
    const int nAt = core::ReorderForDrop(list, selected, nInsert);

    // The unmoved items above the clamped insert position, the moved ones in
    // their order, then the other unmoved ones.
    const int nClamped = std::clamp(nInsert, 0, nCount);
    std::vector<std::uint64_t> before, block, after;
    for (int i = 0; i < nCount; ++i)
        (std::count(selected.begin(), selected.end(), i) != 0 ? block : i < nClamped ? before : after).push_back(item(i));
    const int nBefore = static_cast<int>(before.size());
    before.insert(before.end(), block.begin(), block.end());
    before.insert(before.end(), after.begin(), after.end());
    if (list.items != before || nAt != nBefore)
        std::abort();
}

// A list of nCount items of height h from the client top, the cursor at y.
void CheckInsertPos(int nCount, int h, int nClientBottom, int y)
{
    const int nProbe = y + core::ProbeOffset(h);
    if (nProbe < 0 || nProbe >= nClientBottom)
        return; // the list answers for points in its client area only
    const int nLastBottom = nCount * h;
    const int nNearest = nCount == 0 ? 0 : std::min(nProbe / h, nCount - 1);
    const int nExpected = std::min(nProbe / h, nCount);
    // The platform may flag a probe below the last item as outside, or leave
    // the rectangle to decide; a probe on the rectangle's bottom row counts
    // as below it only in the first case.
    const core::NearestItemQuery flagged{nCount, nNearest, nProbe >= nLastBottom, true, nLastBottom, nProbe};
    const core::NearestItemQuery byRect{nCount, nNearest, false, true, nLastBottom, nProbe};
    if (core::InsertPosFromNearest(flagged) != nExpected)
        std::abort();
    if (core::InsertPosFromNearest(byRect) != (nProbe == nLastBottom && nCount > 0 ? nCount - 1 : nExpected))
        std::abort();
    // Without the last item's rectangle the nearest item stands.
    if (core::InsertPosFromNearest({nCount, nNearest, false, false, 0, nProbe}) != nNearest)
        std::abort();
    // The cursor in the upper half of an item inserts before it, in the lower
    // half after it.
    if (y >= 0 && y / h < nCount && nExpected != y / h + (y % h >= h - h / 2 ? 1 : 0))
        std::abort();

    const int nRowEdge = nExpected < nCount ? nExpected * h : nLastBottom;
    const int nRow = core::MarkerRow(nCount, nRowEdge, nClientBottom);
    if (nRow != (nCount == 0 ? 0 : std::min(nRowEdge, nClientBottom - 1)))
        std::abort();
}

// The arrows beside the marker row, anywhere in GDI's coordinates: a head
// 5 pixels long spanning y-5 .. y+5 and a shaft 4 pixels further spanning
// y-1 .. y+2, the left one pointing right at the tip, the right one its mirror.
void CheckArrows(core::DragPoint pt)
{
    const int kShape[7][2] = {{0, 0}, {5, 5}, {5, 2}, {9, 2}, {9, -1}, {5, -1}, {5, -5}};
    const auto left = core::ArrowPolygon(pt, true), right = core::ArrowPolygon(pt, false);
    for (int i = 0; i < 7; ++i) {
        const int y = pt.y + kShape[i][1];
        if (left[i].x != pt.x - kShape[i][0] || right[i].x != pt.x + kShape[i][0] || left[i].y != y || right[i].y != y)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    const int nCount = in.Range(0, 40);
    const int h = in.Range(1, 40);
    const int nClientBottom = in.Range(1, 2000);
    const int y = in.Range(-50, 2000);
    CheckInsertPos(nCount, h, nClientBottom, y);

    const int nSelected = in.Byte() % 48;
    std::vector<int> selected;
    for (int i = 0; i < nSelected; ++i)
        selected.push_back(static_cast<signed char>(in.Byte()) % 48);
    // The ends of the range stand for the ends of int, which must clamp.
    const int nRange = in.Range(-5, 50);
    const int nInsert = nRange == 50 ? INT_MAX : nRange == -5 ? INT_MIN : nRange;
    CheckReorder(nCount, selected, nInsert);

    CheckArrows({in.Coordinate(), in.Coordinate()});

    return 0;
}
