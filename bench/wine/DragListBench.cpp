// The drag list in a real window, each figure beside its floor: a drop of
// 1000 selected items in a list of 10000 beside the same deletes and inserts
// on a plain list box, and one drag step beside a plain repaint of the
// marker's row. Figure and floor are timed in alternate runs, so that both
// see the same machine load, and printed as lowest / median / highest.
// The times are wall-clock: on a busy machine the process gets a share of
// the processors and every figure grows with its floor, so compare a figure
// with its floor rather than with another run's figure.
#include <string>
#include <vector>

#include "BenchClock.h"
#include "CDragListBoxEx.h"

namespace {

CWinApp theBenchApp("bench_draglist");

const int kItems = 10000;
const int kSelected = 1000;
const int kDropRuns = 5;
const int kStepRuns = 9;
const int kStepsPerRun = 100;

void Fill(CListBox& list)
{
    list.SendMessage(WM_SETREDRAW, FALSE);
    list.ResetContent();
    list.InitStorage(kItems, 16);
    for (int i = 0; i < kItems; ++i) {
        list.AddString(("item " + std::to_string(i)).c_str());
        list.SetItemData(i, static_cast<DWORD_PTR>(i));
    }
    for (int i = 0; i < kItems; i += kItems / kSelected)
        list.SetSel(i, TRUE);
    list.SetTopIndex(kItems / 2);
    list.SendMessage(WM_SETREDRAW, TRUE);
    PumpUntilIdle();
}

// What a host would write to move the selected items of a plain list box
// to nInsertPos: take them out from the last up, put them back selected,
// with one repaint at the end.
void MovePlain(CListBox& list, int nInsertPos)
{
    const int nTop = list.GetTopIndex();
    list.SendMessage(WM_SETREDRAW, FALSE);
    std::vector<int> selected(static_cast<size_t>(list.GetSelCount()));
    selected.resize(static_cast<size_t>(list.GetSelItems(static_cast<int>(selected.size()), selected.data())));
    list.SetSel(-1, FALSE);
    std::vector<CString> texts(selected.size());
    std::vector<DWORD_PTR> data(selected.size());
    for (size_t k = selected.size(); k-- > 0;) {
        list.GetText(selected[k], texts[k]), data[k] = list.GetItemData(selected[k]);
        list.DeleteString(static_cast<UINT>(selected[k]));
        if (selected[k] < nInsertPos)
            --nInsertPos;
    }
    for (size_t k = 0; k < selected.size(); ++k) {
        const int nIndex = list.InsertString(nInsertPos + static_cast<int>(k), texts[k]);
        list.SetItemData(nIndex, data[k]);
        list.SetSel(nIndex, TRUE);
    }
    list.SetTopIndex(nTop);
    list.SendMessage(WM_SETREDRAW, TRUE);
    list.Invalidate();
    PumpUntilIdle();
}

class BenchList : public CDragListBoxEx {
public:
    using CDragListBoxEx::GetInsertPos;
};

} // namespace

int main()
{
    const DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_EXTENDEDSEL;
    CWnd parent;
    parent.CreateEx(0, NULL, "bench", WS_POPUP | WS_VISIBLE, 20, 20, 640, 400, NULL, NULL);
    BenchList list;
    list.Create(dwStyle, CRect(20, 20, 300, 360), &parent, 1);
    CListBox plain;
    plain.Create(dwStyle, CRect(330, 20, 610, 360), &parent, 2);
    PumpUntilIdle();

    std::printf("%-46s %9s %9s %9s\n", "", "lowest", "median", "highest");

    // Drop: every tenth item selected, dropped at the middle of the view.
    CPoint ptMiddle(60, 170);
    list.ClientToScreen(&ptMiddle);
    std::vector<double> drops, dropFloors;
    for (int r = 0; r < kDropRuns; ++r) {
        Fill(list);
        const int nInsertPos = list.GetInsertPos(ptMiddle);
        drops.push_back(MillisecondsOf([&] {
            list.Dropped(ptMiddle);
            PumpUntilIdle();
        }));
        Fill(plain);
        dropFloors.push_back(MillisecondsOf([&] { MovePlain(plain, nInsertPos); }));
    }
    PrintSpread("drop of 1000 selected items in 10000", drops, "ms", 1);
    PrintSpread("  floor: the same on a plain list box", dropFloors, "ms", 1);

    // Drag step: the cursor moves between two neighbouring items, and the
    // marker with it from one boundary to the next.
    CRect rcItem;
    list.GetItemRect(list.GetTopIndex() + 5, &rcItem);
    CPoint ptA(60, rcItem.top + 2), ptB(60, rcItem.bottom + 2);
    list.ClientToScreen(&ptA), list.ClientToScreen(&ptB);
    // An item's rectangle spans the client's width, as the marker does.
    const CRect rcRows[2] = {CRect(rcItem.left, rcItem.top, rcItem.right, rcItem.top + 1),
                             CRect(rcItem.left, rcItem.bottom, rcItem.right, rcItem.bottom + 1)};
    std::vector<double> steps, stepFloors;
    for (int r = 0; r < kStepRuns; ++r) {
        steps.push_back(MillisecondsOf([&] {
            for (int i = 0; i < kStepsPerRun; ++i)
                list.Dragging(i % 2 ? ptA : ptB);
        }) / kStepsPerRun);
        stepFloors.push_back(MillisecondsOf([&] {
            for (int i = 0; i < kStepsPerRun; ++i)
                list.RedrawWindow(&rcRows[i % 2], NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        }) / kStepsPerRun);
    }
    list.EndDrag();
    PrintSpread("drag step (marker moves one row)", steps, "us", 1e3);
    PrintSpread("  floor: plain repaint of the marker's row", stepFloors, "us", 1e3);

    list.DestroyWindow();
    plain.DestroyWindow();
    parent.DestroyWindow();
    return 0;
}
