// CDragListBoxEx driven by real mouse and keyboard input: what the list holds
// afterwards, what its parent receives, and the marker's pixels on the screen.
// Every step waits for what the list has seen rather than for a time, so
// that a busy machine slows the tests down without failing them.
#include <afxwin.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "CDragListBoxEx.h"
#include "MessagePump.h"
#include "SyntheticInput.h"
#include "WindowReadback.h"

namespace {

using Strings = std::vector<std::string>;
using Ints = std::vector<int>;
const UINT_PTR kScrollTimer = 150;

// Item data for item n as a host keeping pointers there would set it:
// above 32 bits, so that a move that cut it would show.
DWORD_PTR DataOf(int n)
{
    return static_cast<DWORD_PTR>(n % 2 ? 0x7FFFFFDA0000ull + n : 0x100000000ull * (n + 1));
}

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

// Exposes the drag state (0 idle, 1 pressed, 3 dragging) and records what the
// list sees and does: the last mouse move and press, the scroll timer's ticks,
// and each scroll step and marker drawn as a line of a log.
class ProbeList : public CDragListBoxEx {
public:
    int State() const { return m_nDragState; }
    CPoint m_ptLastMove{-1, -1}, m_ptLastDown{-1, -1}; // screen coordinates
    int m_nTicks = 0;
    Strings m_log;
protected:
    void DrawInsert(int nPos, bool bDraw) override
    {
        if (bDraw)
            m_log.push_back("marker " + std::to_string(nPos));
        CDragListBoxEx::DrawInsert(nPos, bDraw);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_MOUSEMOVE || message == WM_LBUTTONDOWN) {
            CPoint& pt = message == WM_MOUSEMOVE ? m_ptLastMove : m_ptLastDown;
            pt = CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
            ClientToScreen(&pt);
        } else if (message == WM_TIMER && wParam == kScrollTimer) {
            ++m_nTicks;
        } else if (message == LB_SETTOPINDEX) {
            m_log.push_back("top " + std::to_string(static_cast<int>(wParam)));
        }
        return CDragListBoxEx::WindowProc(message, wParam, lParam);
    }
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
        Strings texts = ListBoxLines(m_list.m_hWnd);
        for (size_t i = 0; i < texts.size(); ++i)
            texts[i] += bMarkSelected && m_list.GetSel(static_cast<int>(i)) > 0 ? "*" : "";
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
    // Moves the cursor until the list has seen it arrive and stay. Under Wine
    // a pointer event from an earlier warp can arrive after a later one, and
    // on a busy machine any of them late: wait for the list, not for a time.
    void MoveTo(CPoint pt)
    {
        for (int nTry = 0; nTry < 20; ++nTry) {
            MouseMoveTo(pt);
            if (PumpUntil([&] { return m_list.m_ptLastMove == pt; }, 2000)) {
                PumpFor(30);
                if (m_list.m_ptLastMove == pt)
                    return;
            }
        }
        ADD_FAILURE() << "the list never saw the cursor at " << pt.x << "," << pt.y;
    }
    // Presses at the point once the list has seen the press there. A late
    // event from an earlier warp can move the cursor away just before the
    // press: then let go and press again.
    void PressAt(CPoint pt)
    {
        for (int nTry = 0; nTry < 5; ++nTry) {
            MoveTo(pt);
            m_list.m_ptLastDown = CPoint(-1, -1);
            MouseDown();
            if (PumpUntil([&] { return m_list.m_ptLastDown == pt && m_list.State() == 1; }, 1000))
                return;
            Release();
        }
        ADD_FAILURE() << "the list never saw a press at " << pt.x << "," << pt.y;
    }
    void Release()
    {
        MouseUp();
        PumpUntil([&] { return m_list.State() == 0; });
        PumpUntilIdle();
    }
    // Presses and moves in several steps, as a hand would, without releasing.
    void DragTo(CPoint from, CPoint to)
    {
        PressAt(from);
        MoveTo(CPoint(from.x, from.y + (to.y > from.y ? 8 : -8)));
        MoveTo(to);
        EXPECT_EQ(m_list.State(), 3) << "drag";
    }
    // Visible items whose top row shows red dots across the list. Only the line
    // is looked for: under Wine the arrows beside the list are clipped away.
    Ints MarkedItems() const
    {
        PumpUntilIdle();
        CRect rc;
        m_list.GetClientRect(&rc);
        Ints marked;
        for (int i = m_list.GetTopIndex(); i < m_list.GetCount() && ItemRect(i).top < rc.bottom; ++i)
            for (int x = 0; x < rc.Width(); ++x)
                if (ScreenColour(m_list.m_hWnd, CPoint(x, ItemRect(i).top)) == RGB(255, 0, 0)) {
                    marked.push_back(i);
                    break;
                }
        return marked;
    }
    // Waits for the parent to have received n end messages (they are posted).
    bool DragEnds(int n) { return PumpUntil([&] { return m_parent.m_nDragEnds >= n; }) && m_parent.m_nDragEnds == n; }

    UINT m_uDoubleClickTime = 0;
    RecordingParent m_parent;
    ProbeList m_list;
};

// Single and extended selection: each moves its selection its own way.
INSTANTIATE_TEST_SUITE_P(SingleAndExtended, DragListBoxTest, ::testing::Values(DWORD(0), DWORD(LBS_EXTENDEDSEL)));

TEST_P(DragListBoxTest, SelectedItemsLandAtTheMarkedInsertPositionWithTheirWholeDataAndStaySelected)
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
        EXPECT_EQ(m_list.GetItemData(i), DataOf(std::stoi(expected[i].substr(1)))) << expected[i];
    EXPECT_TRUE(DragEnds(1));
    EXPECT_EQ(m_parent.m_nSelChanges, 2) << "one from the start of the drag, one from the release";
}

// The distance itself is the core's (DragListLayout); here the list asks the system for it (the
// host's switch is checked in the hostile table). Escape and a lost capture end a drag moving
// nothing; held above the list, a drag scrolls to the top; the list's end ends a drag too.
TEST_P(DragListBoxTest, StartPastTheSystemDistanceEndMovingNothingScrollToTheTopAndEndWithTheList)
{
    Fill(40);
    const Strings before = Texts();
    const CPoint ptDown = InItem(2), ptPast(ptDown.x + ::GetSystemMetrics(SM_CXDRAG) + 1, ptDown.y);
    PressAt(ptDown);
    MoveTo(CPoint(ptDown.x + ::GetSystemMetrics(SM_CXDRAG), ptDown.y + ::GetSystemMetrics(SM_CYDRAG)));
    EXPECT_EQ(m_list.State(), 1) << "exactly the distance";
    MoveTo(ptPast);
    EXPECT_EQ(m_list.State(), 3) << "one pixel more";
    MoveTo(InItem(5));
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(PumpUntil([&] { return m_list.State() == 0; }));
    EXPECT_TRUE(MarkedItems().empty()) << "the marker outlived the drag";
    Release();
    EXPECT_TRUE(DragEnds(1));
    EXPECT_EQ(Texts(), before) << "Escape";

    // Another window takes the capture, and with it the release.
    DragTo(InItem(2), InItem(5));
    m_parent.SetCapture();
    EXPECT_EQ(m_list.State(), 0);
    EXPECT_EQ(::GetCapture(), m_parent.m_hWnd) << "the capture stays with the window that took it";
    EXPECT_TRUE(MarkedItems().empty()) << "the marker outlived the lost capture";
    EXPECT_TRUE(DragEnds(2));
    MouseMoveTo(InItem(6));
    Release();
    EXPECT_EQ(Texts(), before) << "capture lost";
    // A host that ends a drag itself frees the mouse, whoever holds it.
    m_list.EndDrag();
    EXPECT_EQ(::GetCapture(), (HWND)NULL);

    m_list.SetTopIndex(6);
    DragTo(InItem(8), InItem(8));
    const CPoint ptTop = InItem(6); // through the top zone to above the list
    m_list.m_log.clear();
    MoveTo(ptTop);
    MoveTo(CPoint(ptTop.x, ptTop.y - 16));
    // Each tick scrolls one item and draws the marker at the new top item,
    // whose upper boundary the cursor is nearest; at the top the attempt
    // repeats once and then ticks do nothing.
    const Strings expected{"top 5", "marker 5", "top 4", "marker 4", "top 3", "marker 3", "top 2",
                           "marker 2", "top 1", "marker 1", "top 0", "marker 0", "top -1", "marker 0"};
    const Strings& log = m_list.m_log;
    ASSERT_TRUE(PumpUntil([&] { return std::count(log.begin(), log.end(), "top -1") && log.back() != "top -1"; },
                          10000));
    const int nTicks = m_list.m_nTicks;
    ASSERT_TRUE(PumpUntil([&] { return m_list.m_nTicks >= nTicks + 3; }, 10000));
    // Before the first tick the entering moves draw the marker where they are.
    const auto firstTop = std::find_if(log.begin(), log.end(), [](const std::string& e) { return e[0] == 't'; });
    EXPECT_EQ(Strings(firstTop, log.end()), expected);
    EXPECT_EQ(m_list.GetTopIndex(), 0);
    EXPECT_EQ(MarkedItems(), Ints{0}) << "above the list the insert position is 0";
    Release();
    EXPECT_TRUE(DragEnds(3));

    DragTo(InItem(1), InItem(5));
    m_list.DestroyWindow();
    EXPECT_TRUE(DragEnds(4)) << "destroyed mid-drag";
}

} // namespace
