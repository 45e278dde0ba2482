// CDragListBoxEx driven by real mouse and keyboard input: what the list holds
// afterwards, what its parent receives, and the marker's pixels on the screen.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <string>
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
    RecordingParent() { CreateEx(0, NULL, "", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 100, 100, 400, 300, NULL, 0); }
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

// Exposes the drag state: 0 idle, 1 pressed, 3 dragging.
class ProbeList : public CDragListBoxEx {
public:
    int State() const { return m_nDragState; }
};

class DragListBoxTest : public ::testing::TestWithParam<DWORD> {
protected:
    void SetUp() override
    {
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
    // The items' texts, the selected ones marked with '*' when asked.
    Strings Texts(bool bMarkSelected = false) const
    {
        Strings texts;
        CString s;
        for (int i = 0; i < m_list.GetCount(); ++i) {
            m_list.GetText(i, s);
            texts.push_back(std::string(s) + (bMarkSelected && m_list.GetSel(i) > 0 ? "*" : ""));
        }
        return texts;
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
    static void PressAt(CPoint pt) { MoveTo(pt); MouseDown(); }
    // Presses and moves in several steps, as a hand would, without releasing.
    void DragTo(CPoint from, CPoint to)
    {
        PressAt(from);
        MoveTo(CPoint(from.x, from.y + (to.y > from.y ? 8 : -8)));
        MoveTo(to);
        PumpUntilIdle();
    }
    // Visible items whose top row shows red dots across the list. Only the line
    // is looked for: under Wine the arrows beside the list are clipped away.
    Ints MarkedItems() const
    {
        CRect rc;
        m_list.GetClientRect(&rc);
        HDC hDC = ::GetDC(NULL);
        Ints marked;
        for (int i = 0; i < m_list.GetCount() && ItemRect(i).top < rc.bottom; ++i) {
            CPoint pt(0, ItemRect(i).top);
            m_list.ClientToScreen(&pt);
            int nRed = 0;
            for (int x = 0; x < rc.Width(); ++x)
                nRed += ::GetPixel(hDC, pt.x + x, pt.y) == RGB(255, 0, 0);
            if (nRed > 0)
                marked.push_back(i);
        }
        ::ReleaseDC(NULL, hDC);
        return marked;
    }

    UINT m_uDoubleClickTime = 0;
    RecordingParent m_parent;
    ProbeList m_list;
};

// Dragging does not depend on the selection kind; dropping is checked on single and extended lists.
INSTANTIATE_TEST_SUITE_P(Extended, DragListBoxTest, ::testing::Values(DWORD(LBS_EXTENDEDSEL)));
class DragListDropTest : public DragListBoxTest {};
INSTANTIATE_TEST_SUITE_P(SingleAndExtended, DragListDropTest, ::testing::Values(DWORD(0), DWORD(LBS_EXTENDEDSEL)));

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
        Release();
        EXPECT_EQ(m_parent.m_nDragEnds, row.nState == 3 ? 1 : 0);
    }
}

TEST_P(DragListDropTest, SelectedItemsLandAtTheMarkedInsertPositionWithTheirDataAndStaySelected)
{
    Fill(7);
    // Extended: a plain press on a multi-selection keeps it. Single: the press makes A1 current.
    const bool bExtended = GetParam() == LBS_EXTENDEDSEL;
    if (bExtended)
        for (int i : {1, 3, 5})
            m_list.SetSel(i, TRUE);
    const Strings expected = bExtended ? Strings{"A0", "A2", "A4", "A1*", "A3*", "A5*", "A6"}
                                       : Strings{"A0", "A2", "A3", "A4", "A5", "A1*", "A6"};
    DragTo(InItem(bExtended ? 3 : 1), InItem(5, ItemRect(5).Height() - 2)); // lower half: the next boundary
    EXPECT_EQ(MarkedItems(), Ints{6});
    Release();
    EXPECT_EQ(Texts(true), expected) << "order and selection";
    for (int i = 0; i < m_list.GetCount(); ++i)
        EXPECT_EQ(static_cast<DWORD>(m_list.GetItemData(i)), DataOf(std::stoi(expected[i].substr(1)))) << expected[i];
    EXPECT_EQ(m_parent.m_nDragEnds, 1);
    EXPECT_EQ(m_parent.m_nSelChanges, 2) << "one from the start of the drag, one from the release";
}

TEST_P(DragListBoxTest, HoldingTheCursorAboveTheListScrollsOneItemAtATimeToTheTop)
{
    Fill(40);
    m_list.SetTopIndex(6);
    ASSERT_EQ(m_list.GetTopIndex(), 6);
    DragTo(InItem(8), InItem(8));
    const CPoint ptTop = InItem(6); // through the top zone to above the list
    MoveTo(ptTop);
    MoveTo(CPoint(ptTop.x, ptTop.y - 16));
    Ints tops{m_list.GetTopIndex()}, expected;
    for (const DWORD dwStart = ::GetTickCount(); ::GetTickCount() - dwStart < 1500; PumpFor(5))
        if (m_list.GetTopIndex() != tops.back())
            tops.push_back(m_list.GetTopIndex());
    for (int t = tops.front(); t >= 0; --t)
        expected.push_back(t);
    EXPECT_EQ(tops, expected) << "one item per step, stopping at the top";
    EXPECT_EQ(MarkedItems(), Ints{0}) << "above the list the insert position is 0";
    Release();
}

TEST_P(DragListBoxTest, EscapeALostCaptureOrDestroyingTheListEndsADragMovingNothing)
{
    Fill(7);
    DragTo(InItem(2), InItem(5));
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(MarkedItems().empty()) << "the marker outlived the drag";
    Release();
    EXPECT_EQ(m_parent.m_nDragEnds, 1);
    EXPECT_EQ(Texts(), kSeven) << "Escape";

    DragTo(InItem(2), InItem(5));
    m_parent.SetCapture(); // another window takes the capture, and with it the release
    MoveTo(InItem(6));
    Release();
    ::ReleaseCapture();
    m_list.EndDrag(); // the host ends the drag the list lost
    EXPECT_EQ(Texts(), kSeven) << "capture lost";

    DragTo(InItem(1), InItem(5));
    m_list.DestroyWindow();
    PumpUntilIdle();
    EXPECT_EQ(m_parent.m_nDragEnds, 3) << "destroyed mid-drag";
}

// Resource 5000 of the library: a monochrome cursor (no colour bitmap; the mask
// holds the AND and XOR halves one above the other), 32x32, hot spot (0,0).
TEST(DragCursorTest, IsAMonochrome32By32CursorWithItsHotSpotAtTheTopLeft)
{
    ICONINFO info = {};
    ASSERT_TRUE(::GetIconInfo(::LoadCursorA(::GetModuleHandleA("C_LatticeObject.dll"), MAKEINTRESOURCEA(5000)), &info));
    EXPECT_EQ(CPoint(info.xHotspot, info.yHotspot), CPoint(0, 0));
    EXPECT_TRUE(!info.fIcon && info.hbmColor == NULL);
    BITMAP bm = {};
    ::GetObjectA(info.hbmMask, sizeof(bm), &bm);
    EXPECT_EQ(CSize(bm.bmWidth, bm.bmHeight), CSize(32, 64));
    ::DeleteObject(info.hbmMask);
}

} // namespace
