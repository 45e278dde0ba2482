// CDragListBoxEx driven through real windows with real mouse and keyboard
// input: what the list holds afterwards, what its parent receives, and the
// marker's pixels on the screen.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "CDragListBoxEx.h"
#include "MessagePump.h"
#include "SyntheticInput.h"

namespace {

using Strings = std::vector<std::string>;
using Ints = std::vector<int>;
const Strings kSeven{"A0", "A1", "A2", "A3", "A4", "A5", "A6"};

// Item data for item n, extremes included so that truncation would show.
DWORD DataOf(int n) { return n % 2 ? 0xFFFFFFFFu - n : 1000u + n; }

// The parent counts what the list tells it.
class RecordingParent : public CWnd {
public:
    RecordingParent() { CreateEx(0, NULL, "drag list", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 100, 100, 400, 300, NULL, NULL); }
    ~RecordingParent() override { DestroyWindow(); }
    int m_nDragEnds = 0, m_nSelChanges = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        m_nDragEnds += message == ::RegisterWindowMessageA("DRAGLISTBOX_MSG_DRAG_END");
        m_nSelChanges += message == WM_COMMAND && HIWORD(wParam) == LBN_SELCHANGE;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// Exposes the drag state, and records each mouse move that reached the list:
// its modifier flags and the state before and after it.
class ProbeList : public CDragListBoxEx {
public:
    int State() const { return m_nDragState; }
    CPoint PressPoint() const { return m_ptDown; }
    struct Move { UINT nFlags; int nBefore, nAfter; };
    std::vector<Move> m_moves;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        const int nBefore = m_nDragState;
        const LRESULT lResult = CDragListBoxEx::WindowProc(message, wParam, lParam);
        if (message == WM_MOUSEMOVE)
            m_moves.push_back({static_cast<UINT>(wParam), nBefore, m_nDragState});
        return lResult;
    }
};

class DragListBoxTest : public ::testing::TestWithParam<DWORD> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.GetSafeHwnd() != NULL);
        // Quick successive presses would otherwise arrive as double-clicks.
        m_uDoubleClickTime = ::GetDoubleClickTime();
        ::SetDoubleClickTime(1);
        AfxGetApp()->m_pMainWnd = &m_parent;
        ASSERT_TRUE(m_list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | GetParam(), CRect(60, 20, 260, 180),
                                  &m_parent, 77));
        ActivateForInput(m_parent.m_hWnd);
        m_list.SetFocus();
        PumpUntilIdle();
    }
    void TearDown() override
    {
        ::ReleaseCapture();
        MouseUp();
        AfxGetApp()->m_pMainWnd = NULL;
        ::SetDoubleClickTime(m_uDoubleClickTime);
    }
    void Fill(int nItems)
    {
        for (int i = 0; i < nItems; ++i)
            m_list.SetItemData(m_list.AddString(("A" + std::to_string(i)).c_str()), DataOf(i));
        PumpUntilIdle();
    }
    Strings Texts() const
    {
        Strings texts;
        CString s;
        for (int i = 0; i < m_list.GetCount(); ++i, texts.push_back(static_cast<const char*>(s)))
            m_list.GetText(i, s);
        return texts;
    }
    Ints Selected() const
    {
        Ints sel;
        for (int i = 0; i < m_list.GetCount(); ++i)
            if (m_list.GetSel(i) > 0)
                sel.push_back(i);
        return sel;
    }
    CRect ItemRect(int i) const { CRect rc(0, 0, 0, 0); m_list.GetItemRect(i, &rc); return rc; }
    // A screen point at x offset 30 in the list, dy pixels below item i's top.
    CPoint InItem(int i, int dy = 2) const
    {
        CPoint pt(30, ItemRect(i).top + dy);
        m_list.ClientToScreen(&pt);
        return pt;
    }
    // Under Wine a pointer event from an earlier warp can arrive after a later
    // one; a second move to the same pixel, once settled, ends in the right place.
    static void MoveTo(CPoint pt) { MouseMoveTo(pt); PumpFor(30); MouseMoveTo(pt); }
    static void Release() { MouseUp(); PumpUntilIdle(); }
    void PressAt(CPoint pt)
    {
        MoveTo(pt);
        MouseDown();
        m_list.ScreenToClient(&pt);
        if (m_list.State() == 1) {
            ASSERT_EQ(m_list.PressPoint(), pt) << "the press reached the list elsewhere";
        }
    }
    // Presses and moves in several steps, as a hand would, without releasing.
    void DragTo(CPoint from, CPoint to)
    {
        PressAt(from);
        MoveTo(CPoint(from.x, from.y + 3));
        MoveTo(CPoint(from.x, from.y + (to.y > from.y ? 8 : -8)));
        MoveTo(to);
        PumpUntilIdle();
    }
    // Visible items whose top row shows red across the list. Only the line is
    // looked for: under Wine the arrows beside the list are clipped away.
    Ints MarkedItems() const
    {
        CRect rc;
        m_list.GetClientRect(&rc);
        HDC hDC = ::GetDC(NULL);
        Ints marked;
        for (int i = 0; i < m_list.GetCount() && ItemRect(i).top < rc.bottom; ++i) {
            CPoint pt(0, ItemRect(i).top);
            m_list.ClientToScreen(&pt);
            int x = 0;
            while (x < rc.Width() && ::GetPixel(hDC, pt.x + x, pt.y) != RGB(255, 0, 0))
                ++x;
            if (x < rc.Width())
                marked.push_back(i);
        }
        ::ReleaseDC(NULL, hDC);
        return marked;
    }

    UINT m_uDoubleClickTime = 0;
    RecordingParent m_parent;
    ProbeList m_list;
};

// Single, multiple and extended selection lists.
INSTANTIATE_TEST_SUITE_P(AllSelectionKinds, DragListBoxTest,
                         ::testing::Values(DWORD(0), DWORD(LBS_MULTIPLESEL), DWORD(LBS_EXTENDEDSEL)));

TEST_P(DragListBoxTest, ADragStartsOnlyOnePixelPastTheSystemDragDistanceAndOnlyWhenEnabled)
{
    Fill(7);
    const CPoint ptDown = InItem(1, ItemRect(1).Height() / 2);
    const int cx = ::GetSystemMetrics(SM_CXDRAG);
    const struct { CPoint to; bool bEnabled; int nState; } rows[] = {
        {CPoint(ptDown.x + cx, ptDown.y + ::GetSystemMetrics(SM_CYDRAG)), true, 1}, // exactly the distance
        {CPoint(ptDown.x + cx + 1, ptDown.y), false, 1},                            // dragging switched off
        {CPoint(ptDown.x + cx + 1, ptDown.y), true, 3},                             // one pixel more
    };
    for (const auto& row : rows) {
        m_list.SetDragEnable(row.bEnabled);
        PressAt(ptDown);
        MoveTo(row.to);
        EXPECT_EQ(m_list.State(), row.nState);
        if (row.nState == 3) {
            EXPECT_EQ(::GetCapture(), m_list.m_hWnd);
        }
        Release();
        EXPECT_EQ(m_list.State(), 0);
        EXPECT_EQ(m_parent.m_nDragEnds, row.nState == 3 ? 1 : 0);
    }
    EXPECT_EQ(Texts(), kSeven) << "item 1 dropped beside itself moves nothing";
}

TEST_P(DragListBoxTest, SelectedItemsLandAtTheMarkedInsertPositionWithTheirDataAndStaySelected)
{
    Fill(7);
    const int nSelChangesBefore = m_parent.m_nSelChanges;
    // Extended: a plain press on a multi-selection keeps it. Single: the press
    // makes A1 current. Multiple: the press selects A1.
    const bool bExtended = GetParam() == LBS_EXTENDEDSEL;
    if (bExtended)
        for (int i : {1, 3, 5})
            m_list.SetSel(i, TRUE);
    const Strings expected = bExtended ? Strings{"A0", "A2", "A4", "A1", "A3", "A5", "A6"}
                                       : Strings{"A0", "A2", "A3", "A4", "A5", "A1", "A6"};
    DragTo(InItem(bExtended ? 3 : 1), InItem(5, ItemRect(5).Height() - 2)); // lower half: the next boundary
    EXPECT_EQ(MarkedItems(), Ints{6});
    Release();
    EXPECT_TRUE(MarkedItems().empty());
    EXPECT_EQ(Texts(), expected);
    if (GetParam() == 0) {
        EXPECT_EQ(m_list.GetCurSel(), 5);
    } else {
        EXPECT_EQ(Selected(), (bExtended ? Ints{3, 4, 5} : Ints{5}));
    }
    for (int i = 0; i < m_list.GetCount(); ++i)
        EXPECT_EQ(static_cast<DWORD>(m_list.GetItemData(i)), DataOf(std::stoi(expected[i].substr(1)))) << expected[i];
    EXPECT_EQ(m_parent.m_nDragEnds, 1);
    EXPECT_EQ(m_parent.m_nSelChanges - nSelChangesBefore, 2) << "one from the start of the drag, one from the release";
}

TEST_P(DragListBoxTest, HoldingTheCursorAboveTheListScrollsOneItemAtATimeToTheTop)
{
    Fill(40);
    m_list.SetTopIndex(6);
    PumpUntilIdle();
    const int nFirstTop = m_list.GetTopIndex();
    ASSERT_GT(nFirstTop, 3);
    DragTo(InItem(nFirstTop + 2), InItem(nFirstTop + 2));
    CRect rcWindow;
    m_list.GetWindowRect(&rcWindow);
    MoveTo(CPoint(rcWindow.left + 30, rcWindow.top + 4)); // through the top zone to above the list
    MoveTo(CPoint(rcWindow.left + 30, rcWindow.top - 10));
    Ints tops{m_list.GetTopIndex()}, expected;
    for (const DWORD dwStart = ::GetTickCount(); ::GetTickCount() - dwStart < 1500; PumpFor(5))
        if (m_list.GetTopIndex() != tops.back())
            tops.push_back(m_list.GetTopIndex());
    for (int t = tops.front(); t >= 0; --t)
        expected.push_back(t);
    EXPECT_EQ(tops, expected) << "one item per step, stopping at the top";
    EXPECT_EQ(MarkedItems(), Ints{0}) << "above the list the insert position is 0";
    MoveTo(InItem(nFirstTop + 2));
    Release();
    EXPECT_EQ(m_parent.m_nDragEnds, 1);
}

TEST_P(DragListBoxTest, EscapeALostCaptureDestroyingTheListOrNothingToMoveEndsADragMovingNothing)
{
    const CPoint ptEmpty = InItem(0, 5);
    DragTo(ptEmpty, CPoint(ptEmpty.x, ptEmpty.y + 40));
    Release();
    EXPECT_EQ(m_parent.m_nDragEnds, 1) << "an empty list";
    EXPECT_EQ(m_list.GetCount(), 0);
    Fill(7);
    m_list.SetCurSel(-1);
    m_list.SetSel(-1, FALSE);
    m_list.Dropped(InItem(3));
    EXPECT_EQ(Texts(), kSeven) << "nothing selected";
    EXPECT_EQ(static_cast<DWORD>(m_list.GetItemData(1)), DataOf(1));

    PressAt(InItem(2)); // only pressed: Escape ends the press and posts nothing
    PressKey(VK_ESCAPE);
    EXPECT_EQ(m_list.State(), 0);
    Release();
    EXPECT_EQ(m_parent.m_nDragEnds, 1);
    for (bool bEscape : {true, false}) {
        DragTo(InItem(2), InItem(5));
        ASSERT_EQ(m_list.State(), 3);
        EXPECT_EQ(MarkedItems(), Ints{5});
        if (bEscape) {
            m_list.SetFocus();
            PressKey(VK_ESCAPE);
            EXPECT_EQ(m_list.State(), 0);
            EXPECT_EQ(m_parent.m_nDragEnds, 2);
            EXPECT_TRUE(MarkedItems().empty());
        } else {
            m_parent.SetCapture(); // another window takes the capture
            MoveTo(InItem(6));
        }
        Release();
        EXPECT_EQ(Texts(), kSeven) << (bEscape ? "Escape" : "capture lost");
    }
    ::ReleaseCapture();
    m_list.EndDrag();
    EXPECT_EQ(Texts(), kSeven);

    // Destroyed mid-drag, the list still tells its parent the drag ended.
    DragTo(InItem(1), InItem(5));
    ASSERT_EQ(m_list.State(), 3);
    const int nDragEndsBefore = m_parent.m_nDragEnds;
    m_list.DestroyWindow();
    PumpUntilIdle();
    EXPECT_EQ(m_parent.m_nDragEnds, nDragEndsBefore + 1);
    EXPECT_NE(::GetCapture(), m_parent.m_hWnd);
}

class ExtendedDragListBoxTest : public DragListBoxTest {};
INSTANTIATE_TEST_SUITE_P(Extended, ExtendedDragListBoxTest, ::testing::Values(DWORD(LBS_EXTENDEDSEL)));

// Wine takes the modifier state from the X server's pointer events, where a
// synthetic key is not down, so the key is pressed again before each event, as
// a held key repeats. A move can still arrive without the modifier; only the
// moves that carried it are judged.
TEST_P(ExtendedDragListBoxTest, ShiftOrCtrlNeverStartsADrag)
{
    for (const auto& modifier : {std::make_pair(WORD(VK_SHIFT), UINT(MK_SHIFT)), std::make_pair(WORD(VK_CONTROL), UINT(MK_CONTROL))}) {
        m_list.ResetContent();
        Fill(7);
        m_list.SetSel(1, TRUE);
        const int nDragEndsBefore = m_parent.m_nDragEnds;
        const CPoint ptFrom = InItem(2);
        MoveTo(ptFrom);
        m_list.m_moves.clear();
        KeyDown(modifier.first);
        MouseDown();
        for (int dy : {8, 20, 40}) {
            KeyDown(modifier.first);
            MouseMoveTo(CPoint(ptFrom.x, ptFrom.y + dy));
        }
        KeyDown(modifier.first);
        MouseUp();
        KeyUp(modifier.first);
        PumpUntilIdle();

        int nJudged = 0;
        bool bAllCarriedIt = true;
        for (const ProbeList::Move& move : m_list.m_moves) {
            if (move.nBefore != 1)
                continue;
            if (!(bAllCarriedIt = (move.nFlags & modifier.second) != 0))
                break;
            ++nJudged;
            EXPECT_EQ(move.nAfter, 1) << "a move with the modifier held started a drag";
        }
        EXPECT_GT(nJudged, 0) << "no move reached the list with the modifier held";
        if (bAllCarriedIt) {
            EXPECT_EQ(m_parent.m_nDragEnds, nDragEndsBefore);
            EXPECT_EQ(Texts(), kSeven);
        }
    }
}

TEST_P(ExtendedDragListBoxTest, APlainClickOnAMultiSelectionKeepsOnlyTheClickedItemAtRelease)
{
    Fill(7);
    m_list.SetSel(2, TRUE);
    m_list.SetSel(4, TRUE);
    PressAt(InItem(4));
    EXPECT_EQ(Selected(), (Ints{2, 4})) << "kept until the release";
    Release();
    EXPECT_EQ(Selected(), Ints{4});
}

class SortedDragListBoxTest : public DragListBoxTest {};
INSTANTIATE_TEST_SUITE_P(Sorted, SortedDragListBoxTest, ::testing::Values(DWORD(LBS_SORT | LBS_EXTENDEDSEL)));

TEST_P(SortedDragListBoxTest, ASortedListShowsNoMarkerAndKeepsItsOrder)
{
    Fill(7);
    DragTo(InItem(1), InItem(5));
    ASSERT_EQ(m_list.State(), 3);
    EXPECT_TRUE(MarkedItems().empty());
    Release();
    EXPECT_EQ(Texts(), kSeven);
    EXPECT_EQ(m_parent.m_nDragEnds, 1);
}

// Resource 5000 of the library: a monochrome 32x32 cursor (no colour bitmap,
// a mask holding the AND and XOR halves one above the other), hot spot (0,0).
TEST(DragCursorTest, IsAMonochrome32By32CursorWithItsHotSpotAtTheTopLeft)
{
    ICONINFO info = {};
    ASSERT_TRUE(::GetIconInfo(::LoadCursorA(::GetModuleHandleA("C_LatticeObject.dll"), MAKEINTRESOURCEA(5000)), &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(CPoint(info.xHotspot, info.yHotspot), CPoint(0, 0));
    EXPECT_TRUE(info.hbmColor == NULL);
    BITMAP bm = {};
    EXPECT_TRUE(::GetObjectA(info.hbmMask, sizeof(bm), &bm));
    EXPECT_EQ(CSize(bm.bmWidth, bm.bmHeight), CSize(32, 64));
    EXPECT_EQ(bm.bmBitsPixel, 1);
    ::DeleteObject(info.hbmMask);
    ::DeleteObject(info.hbmColor);
}

} // namespace
