// Arithmetic of the drag list box, apart from any window: where a drop
// lands, where the insertion marker goes, the marker's arrow shapes, the
// auto-scroll zone, and the reorder a drop makes.
// An insert position p means "before item p"; p equal to the item count
// means "after the last item".
#pragma once

#include <array>
#include <utility>
#include <vector>

namespace lattice::core {

struct DragPoint {
    int x;
    int y;
};

// What the list reports for the probe point, the point half an item below
// the cursor: the nearest item, whether the point lies outside the client
// area or below the last item, and the last item's rectangle.
struct NearestItemQuery {
    int nCount;            // items in the list
    int nNearest;          // nearest item to the probe
    bool bOutside;         // the list's outside flag for the probe
    bool bLastRectValid;   // the last item's rectangle could be read
    int nLastBottom;       // bottom of the last item's rectangle
    int nProbeY;           // probe y, client coordinates
};

// Insert position for the item nearest to the probe. Items other than the
// last give their own index; for the last item the probe decides between
// before and after it. An empty list gives 0.
int InsertPosFromNearest(const NearestItemQuery& query);

// The probe lies half an item's height below the cursor, so that the upper
// half of item k gives k and the lower half k+1.
int ProbeOffset(int nItemHeight);

// Marker row in client coordinates for insert position nPos: the top of
// item nPos, or the bottom of the last item past the end (0 on an empty
// list), pulled up to clientBottom - 1 so that it stays inside the list.
// nRowEdge is the top of item nPos, or the last item's bottom past the end.
int MarkerRow(int nCount, int nRowEdge, int nClientBottom);

// The seven vertices of a marker arrow with its tip at pt. The left arrow
// (bLeft) lies left of the tip and points right, at the list's left edge;
// the right one mirrors it. Head 5 pixels long spanning y-5..y+5, shaft
// 4 pixels further spanning y-1..y+2.
std::array<DragPoint, 7> ArrowPolygon(DragPoint pt, bool bLeft);

// Auto-scroll direction for a cursor at client y: -1 within one item of the
// top edge or above it, +1 within one item of the bottom edge or below it,
// 0 between.
int AutoScrollDirection(int nClientY, int nClientTop, int nClientBottom, int nItemHeight);

// Whether a move from the press point starts a drag: strictly more than the
// system drag distance on either axis.
bool PastDragDistance(DragPoint ptDown, DragPoint ptNow, int cxDrag, int cyDrag);

// Where the moved block starts after the selected items are taken out:
// the insert position less the number of selected items above it.
// vecSelected is ascending.
int InsertPosAfterRemoval(const std::vector<int>& vecSelected, int nInsertPos);

// The items a drop moves: the valid indices (0..nCount-1) of vecSelected,
// each once, ascending.
std::vector<int> ItemsToMove(int nCount, std::vector<int> vecSelected);

// The reorder of a drop, applied to a list through the list's own steps,
// so that the window and the tests run the same code. List provides
//   using Item = ...;          what one item carries (text, data)
//   int Count() const;
//   Item Take(int i);          removes item i and returns it
//   void Put(int i, Item item); inserts the item at index i
// The selected items leave their places, the highest index first so that
// the indices still to take stay valid, and go in their old order to the
// insert position less the selected items above it. Invalid and repeated
// indices are ignored; an insert position outside 0..count is clamped.
// Returns the index of the first moved item after the drop.
template <class List>
int ReorderForDrop(List& list, const std::vector<int>& vecSelected, int nInsertPos)
{
    const int nCount = list.Count();
    const std::vector<int> vecMoved = ItemsToMove(nCount, vecSelected);
    const int nAt = InsertPosAfterRemoval(vecMoved, nInsertPos < 0 ? 0 : nInsertPos > nCount ? nCount : nInsertPos);
    std::vector<typename List::Item> vecItems;
    vecItems.reserve(vecMoved.size());
    for (auto it = vecMoved.rbegin(); it != vecMoved.rend(); ++it)
        vecItems.push_back(list.Take(*it));
    // Taken from the last up: put back from the end of vecItems.
    int nTo = nAt;
    for (auto it = vecItems.rbegin(); it != vecItems.rend(); ++it)
        list.Put(nTo++, std::move(*it));
    return nAt;
}

} // namespace lattice::core
