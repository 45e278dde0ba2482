// Arithmetic of the drag list box; see DragListLayout.h.
#include "lattice/core/DragListLayout.h"

#include <algorithm>

namespace lattice::core {

int InsertPosFromNearest(const NearestItemQuery& query)
{
    if (query.nCount <= 0)
        return 0;
    const int nLast = query.nCount - 1;
    if (query.nNearest != nLast)
        return query.nNearest;
    // The list flags points below its last item as outside; when it does
    // not, the last item's rectangle decides.
    if (query.bOutside)
        return query.nCount;
    if (!query.bLastRectValid)
        return nLast;
    return query.nProbeY > query.nLastBottom ? query.nCount : nLast;
}

int ProbeOffset(int nItemHeight) { return nItemHeight / 2; }

int MarkerRow(int nCount, int nRowEdge, int nClientBottom)
{
    int y = nCount <= 0 ? 0 : nRowEdge;
    if (y >= nClientBottom)
        y = nClientBottom - 1;
    return y;
}

std::array<DragPoint, 7> ArrowPolygon(DragPoint pt, bool bLeft)
{
    const int s = bLeft ? -1 : 1;
    const int x = pt.x;
    const int y = pt.y;
    return {{{x, y},
             {x + 5 * s, y + 5},
             {x + 5 * s, y + 2},
             {x + 9 * s, y + 2},
             {x + 9 * s, y - 1},
             {x + 5 * s, y - 1},
             {x + 5 * s, y - 5}}};
}

int AutoScrollDirection(int nClientY, int nClientTop, int nClientBottom, int nItemHeight)
{
    if (nClientY < nClientTop + nItemHeight)
        return -1;
    if (nClientY < nClientBottom - nItemHeight)
        return 0;
    return 1;
}

bool PastDragDistance(DragPoint ptDown, DragPoint ptNow, int cxDrag, int cyDrag)
{
    const int dx = ptNow.x > ptDown.x ? ptNow.x - ptDown.x : ptDown.x - ptNow.x;
    const int dy = ptNow.y > ptDown.y ? ptNow.y - ptDown.y : ptDown.y - ptNow.y;
    return dx > cxDrag || dy > cyDrag;
}

int InsertPosAfterRemoval(const std::vector<int>& vecSelected, int nInsertPos)
{
    const auto itEnd = std::lower_bound(vecSelected.begin(), vecSelected.end(), nInsertPos);
    return nInsertPos - static_cast<int>(itEnd - vecSelected.begin());
}

std::vector<int> ItemsToMove(int nCount, std::vector<int> vecSelected)
{
    vecSelected.erase(std::remove_if(vecSelected.begin(), vecSelected.end(), [nCount](int i) { return i < 0 || i >= nCount; }),
                      vecSelected.end());
    std::sort(vecSelected.begin(), vecSelected.end());
    vecSelected.erase(std::unique(vecSelected.begin(), vecSelected.end()), vecSelected.end());
    return vecSelected;
}

} // namespace lattice::core
