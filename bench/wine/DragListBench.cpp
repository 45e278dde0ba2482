// The drag list in a real window: a drop of 1000 selected items in a list
// of 10000, and one drag step (marker erased at one row, drawn at the
// next). Prints its own figures; the baselines are measured in the same run.
#include <afxwin.h>

#include <cstdio>
#include <string>

#include "CDragListBoxEx.h"
#include "BenchClock.h"
#include "MessagePump.h"

namespace {

CWinApp theBenchApp("bench_draglist");

const int kItems = 10000;
const int kSelected = 1000;

class BenchList : public CDragListBoxEx {
public:
    using CDragListBoxEx::UpdateInsert;
};

void Fill(CListBox& list)
{
    list.SendMessage(WM_SETREDRAW, FALSE);
    list.ResetContent();
    list.InitStorage(kItems, 16);
    for (int i = 0; i < kItems; ++i) {
        list.AddString(("item " + std::to_string(i)).c_str());
        list.SetItemData(i, static_cast<DWORD_PTR>(i));
    }
    list.SendMessage(WM_SETREDRAW, TRUE);
}

void SelectEveryTenth(CListBox& list)
{
    for (int i = 0; i < kItems; i += kItems / kSelected)
        list.SetSel(i, TRUE);
}

} // namespace

int main()
{
    CWnd parent;
    parent.CreateEx(0, NULL, "bench", WS_POPUP | WS_VISIBLE, 100, 100, 400, 400, NULL, NULL);
    BenchList list;
    list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_EXTENDEDSEL, CRect(40, 20, 300, 360), &parent, 1);
    PumpUntilIdle();

    CRect rcItem;
    CPoint ptMiddle(60, 200);
    list.ClientToScreen(&ptMiddle);

    // Drop: 1000 of 10000 selected, dropped at the middle of the view.
    const int kDropRounds = 5;
    double dFill = 0, dDrop = 0;
    for (int r = 0; r < kDropRounds; ++r) {
        dFill += MillisecondsOf([&] { Fill(list); });
        SelectEveryTenth(list);
        list.SetTopIndex(5000);
        PumpUntilIdle();
        dDrop += MillisecondsOf([&] {
            list.Dropped(ptMiddle);
            PumpUntilIdle();
        });
    }
    std::printf("baseline: fill a list with %d items        %10.2f ms\n", kItems, dFill / kDropRounds);
    std::printf("drop of %d selected items in %d           %10.2f ms\n", kSelected, kItems, dDrop / kDropRounds);

    // Drag step: the marker moves between two neighbouring boundaries.
    list.SetSel(-1, FALSE);
    list.GetItemRect(list.GetTopIndex() + 5, &rcItem);
    CPoint ptA(60, rcItem.top + 2), ptB(60, rcItem.bottom + 2);
    list.ClientToScreen(&ptA);
    list.ClientToScreen(&ptB);
    const int kSteps = 400;
    const double dSteps = MillisecondsOf([&] {
        for (int i = 0; i < kSteps; ++i)
            list.UpdateInsert(i % 2 ? ptA : ptB);
    });
    // Baseline: repainting the one-pixel strip alone, as the erase does.
    CRect rcClient;
    list.GetClientRect(&rcClient);
    CRect rcStrip(rcClient.left, rcItem.top, rcClient.right, rcItem.top + 1);
    const double dStrips = MillisecondsOf([&] {
        for (int i = 0; i < kSteps; ++i)
            list.RedrawWindow(&rcStrip, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    });
    std::printf("baseline: repaint a 1-pixel strip           %10.1f us\n", dStrips / kSteps * 1e3);
    std::printf("drag step (marker erase + draw), %d items %10.1f us\n", kItems, dSteps / kSteps * 1e3);

    list.DestroyWindow();
    parent.DestroyWindow();
    return 0;
}
