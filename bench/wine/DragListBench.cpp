// The drag list in a real window, each figure beside its floor: a drop of
// 1000 selected items in a list of 10000 beside the same deletes and inserts
// on a plain list box, and one drag step beside a plain repaint of the
// marker's row.
#include <string>
#include <utility>
#include <vector>

#include "BenchClock.h"
#include "CDragListBoxEx.h"

namespace {

CWinApp theBenchApp("bench_draglist");

const int kItems = 10000;
const int kSelected = 1000;

void Fill(CListBox& list)
{
    list.SendMessage(WM_SETREDRAW, FALSE);
    list.ResetContent();
    list.InitStorage(kItems, 16);
    for (int i = 0; i < kItems; ++i)
        list.SetItemData(list.AddString(("item " + std::to_string(i)).c_str()), static_cast<DWORD_PTR>(i));
    for (int i = 0; i < kItems; i += kItems / kSelected)
        list.SetSel(i, TRUE);
    list.SetTopIndex(kItems / 2);
    list.SendMessage(WM_SETREDRAW, TRUE);
    PumpUntilIdle();
}

// What a host would write to move the selected items of a plain list box
// to nInsertPos: take them out from the last up (with them goes their
// selection), put them back selected, with one repaint at the end.
void MovePlain(CListBox& list, int nInsertPos)
{
    const int nTop = list.GetTopIndex();
    list.SendMessage(WM_SETREDRAW, FALSE);
    std::vector<int> selected(static_cast<size_t>(list.GetSelCount()));
    list.GetSelItems(static_cast<int>(selected.size()), selected.data());
    std::vector<std::pair<CString, DWORD_PTR>> moved(selected.size());
    for (size_t k = selected.size(); k-- > 0;) {
        list.GetText(selected[k], moved[k].first), moved[k].second = list.GetItemData(selected[k]);
        list.DeleteString(static_cast<UINT>(selected[k]));
        nInsertPos -= selected[k] < nInsertPos ? 1 : 0;
    }
    for (size_t k = 0; k < moved.size(); ++k) {
        const int nIndex = list.InsertString(nInsertPos + static_cast<int>(k), moved[k].first);
        list.SetItemData(nIndex, moved[k].second), list.SetSel(nIndex, TRUE);
    }
    list.SetTopIndex(nTop);
    list.SendMessage(WM_SETREDRAW, TRUE);
    list.Invalidate();
    PumpUntilIdle();
}

} // namespace

int main()
{
    const DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_EXTENDEDSEL;
    BenchFrame parent;
    CDragListBoxEx list;
    list.Create(dwStyle, CRect(20, 20, 300, 360), &parent, 1);
    CListBox plain;
    plain.Create(dwStyle, CRect(330, 20, 610, 360), &parent, 2);

    // Drop: every tenth item selected, dropped at the middle of the view.
    CPoint ptMiddle(60, 170);
    Fill(list);
    // The plain list's items go in before the item under the point: where
    // the drop puts them, give or take one, which costs the same.
    BOOL bOutside;
    const int nInsertPos = static_cast<int>(list.ItemFromPoint(ptMiddle, bOutside));
    list.ClientToScreen(&ptMiddle);
    Compare(
        "drop of 1000 selected items in 10000", "the same on a plain list box", 5,
        [&] { return Fill(list), MillisecondsOf([&] { list.Dropped(ptMiddle), PumpUntilIdle(); }); },
        [&] { return Fill(plain), MillisecondsOf([&] { MovePlain(plain, nInsertPos); }); });

    // Drag step: the cursor moves between two neighbouring items, and the
    // marker with it from one boundary to the next.
    CRect rcItem;
    list.GetItemRect(list.GetTopIndex() + 5, &rcItem);
    CPoint pts[2] = {{60, rcItem.top + 2}, {60, rcItem.bottom + 2}};
    list.ClientToScreen(&pts[0]), list.ClientToScreen(&pts[1]);
    // An item's rectangle spans the client's width, as the marker does.
    const CRect rcRows[2] = {CRect(rcItem.left, rcItem.top, rcItem.right, rcItem.top + 1),
                             CRect(rcItem.left, rcItem.bottom, rcItem.right, rcItem.bottom + 1)};
    // 100 steps a run, alternately to each row; printed per step.
    const auto steps = [&](auto step) {
        return [&, step] {
            return MillisecondsOf([&] {
                for (int i = 0; i < 100; ++i)
                    step(i % 2);
            });
        };
    };
    Compare("drag step (marker moves one row)", "plain repaint of the marker's row", 9,
            steps([&](int k) { list.Dragging(pts[k]); }),
            steps([&](int k) { list.RedrawWindow(&rcRows[k], NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); }),
            1e3 / 100, "us");
    list.EndDrag();
    return 0;
}
