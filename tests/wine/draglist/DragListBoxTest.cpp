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

const UINT kListId = 77;
const COLORREF kRed = RGB(255, 0, 0);

UINT DragEndMessage() { return ::RegisterWindowMessageA("DRAGLISTBOX_MSG_DRAG_END"); }

// The parent counts what the list tells it.
class RecordingParent : public CWnd {
public:
    RecordingParent() { CreateEx(0, NULL, "drag list", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 100, 100, 400, 300, NULL, NULL); }
    ~RecordingParent() override { DestroyWindow(); }
    int m_nDragEnds = 0;
    int m_nSelChanges = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == DragEndMessage())
            ++m_nDragEnds;
        if (message == WM_COMMAND && HIWORD(wParam) == LBN_SELCHANGE)
            ++m_nSelChanges;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// Exposes the state and the drop for the cases no mouse can reach.
class ProbeList : public CDragListBoxEx {
public:
    int State() const { return m_nDragState; }
    CPoint PressPoint() const { return m_ptDown; }

    // Each mouse move that reached the list: its modifier flags and the
    // state before and after it.
    struct Move {
        UINT nFlags;
        int nBefore;
        int nAfter;
    };
    std::vector<Move> m_moves;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != WM_MOUSEMOVE)
            return CDragListBoxEx::WindowProc(message, wParam, lParam);
        const int nBefore = m_nDragState;
        const LRESULT lResult = CDragListBoxEx::WindowProc(message, wParam, lParam);
        m_moves.push_back({static_cast<UINT>(wParam), nBefore, m_nDragState});
        return lResult;
    }
};

class DragListBoxTest : public ::testing::TestWithParam<DWORD> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.GetSafeHwnd() != NULL);
        // Presses in quick succession would otherwise reach the list as
        // double-clicks, which a drag list leaves to the list box.
        m_uDoubleClickTime = ::GetDoubleClickTime();
        ::SetDoubleClickTime(1);
        AfxGetApp()->m_pMainWnd = &m_parent;
        ASSERT_TRUE(m_list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | GetParam(), CRect(60, 20, 260, 180),
                                  &m_parent, kListId));
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
    UINT m_uDoubleClickTime = 0;
    void Fill(int nItems, const char* pszPrefix = "A")
    {
        for (int i = 0; i < nItems; ++i) {
            const int nIndex = m_list.AddString((pszPrefix + std::to_string(i)).c_str());
            m_list.SetItemData(nIndex, i % 2 ? 0xFFFFFFFFu - i : 1000u + i); // extremes kept too
        }
        PumpUntilIdle();
    }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (int i = 0; i < m_list.GetCount(); ++i) {
            CString s;
            m_list.GetText(i, s);
            texts.push_back(static_cast<const char*>(s));
        }
        return texts;
    }
    std::vector<int> Selected() const
    {
        std::vector<int> sel;
        for (int i = 0; i < m_list.GetCount(); ++i)
            if (m_list.GetSel(i) > 0)
                sel.push_back(i);
        return sel;
    }
    CRect ItemRect(int i) const
    {
        CRect rc(0, 0, 0, 0);
        m_list.GetItemRect(i, &rc);
        return rc;
    }
    // A screen point at x offset 30 in the list, dy pixels below item i's top.
    CPoint InItem(int i, int dy) const
    {
        CPoint pt(30, ItemRect(i).top + dy);
        m_list.ClientToScreen(&pt);
        return pt;
    }
    CPoint UpperHalf(int i) const { return InItem(i, 2); }
    // Under Wine a pointer event from an earlier cursor warp can arrive
    // after a later one and report the older position; moving a second
    // time to the same pixel, after the first has settled, leaves the
    // last event at the right place.
    static void MoveTo(CPoint pt)
    {
        MouseMoveTo(pt);
        PumpFor(30);
        MouseMoveTo(pt);
    }
    void PressAt(CPoint pt)
    {
        MoveTo(pt);
        MouseDown();
        CPoint ptClient = pt;
        m_list.ScreenToClient(&ptClient);
        if (m_list.State() == 1) {
            ASSERT_EQ(m_list.PressPoint(), ptClient) << "the press reached the list elsewhere";
        }
    }
    // Moves in several steps, as a hand would, then releases.
    void DragTo(CPoint from, CPoint to, bool bRelease = true)
    {
        PressAt(from);
        MoveTo(CPoint(from.x, from.y + 3));
        MoveTo(CPoint(from.x, from.y + (to.y > from.y ? 8 : -8)));
        MoveTo(to);
        if (bRelease)
            MouseUp();
        PumpUntilIdle();
    }
    // Red pixels on the screen along a client row of the list. Only the line
    // is looked for: under Wine the arrows beside the list are clipped away.
    int RedPixelsOnRow(int y) const
    {
        CPoint pt(0, y);
        m_list.ClientToScreen(&pt);
        CRect rc;
        m_list.GetClientRect(&rc);
        HDC hDC = ::GetDC(NULL);
        int nRed = 0;
        for (int x = 0; x < rc.Width(); ++x)
            if (::GetPixel(hDC, pt.x + x, pt.y) == kRed)
                ++nRed;
        ::ReleaseDC(NULL, hDC);
        return nRed;
    }

    RecordingParent m_parent;
    ProbeList m_list;
};

// Single, multiple and extended selection lists.
INSTANTIATE_TEST_SUITE_P(AllSelectionKinds, DragListBoxTest,
                         ::testing::Values(DWORD(0), DWORD(LBS_MULTIPLESEL), DWORD(LBS_EXTENDEDSEL)));

TEST_P(DragListBoxTest, ADragStartsOnlyOnePixelPastTheSystemDragDistance)
{
    Fill(7);
    const int cx = ::GetSystemMetrics(SM_CXDRAG);
    const int cy = ::GetSystemMetrics(SM_CYDRAG);
    const CPoint ptDown = InItem(1, ItemRect(1).Height() / 2);

    PressAt(ptDown);
    MoveTo(CPoint(ptDown.x + cx, ptDown.y + cy));
    EXPECT_EQ(m_list.State(), 1) << "pressed, no drag at exactly the distance";
    MouseUp();
    PumpUntilIdle();
    EXPECT_EQ(m_parent.m_nDragEnds, 0);
    EXPECT_EQ(m_list.State(), 0);

    PressAt(ptDown);
    MoveTo(CPoint(ptDown.x + cx + 1, ptDown.y));
    EXPECT_EQ(m_list.State(), 3);
    EXPECT_EQ(::GetCapture(), m_list.m_hWnd);
    MouseUp();
    PumpUntilIdle();
    EXPECT_EQ(m_parent.m_nDragEnds, 1);
    EXPECT_EQ(m_list.State(), 0);
    // Item 1 dropped beside itself: nothing moves.
    EXPECT_EQ(Texts(), (std::vector<std::string>{"A0", "A1", "A2", "A3", "A4", "A5", "A6"}));
}

TEST_P(DragListBoxTest, SelectedItemsLandAtTheInsertPositionWithTheirDataAndStaySelected)
{
    Fill(7);
    const int nSelChangesBefore = m_parent.m_nSelChanges;
    std::vector<std::string> expected;
    std::vector<int> expectedSel;
    CPoint ptFrom;
    if (GetParam() == LBS_EXTENDEDSEL) {
        for (int i : {1, 3, 5})
            m_list.SetSel(i, TRUE);
        ptFrom = UpperHalf(3); // a plain press on a multi-selection keeps it
        expected = {"A0", "A2", "A4", "A1", "A3", "A5", "A6"};
        expectedSel = {3, 4, 5};
    } else {
        // Single: the press makes A1 current. Multiple: the press selects A1.
        ptFrom = UpperHalf(1);
        expected = {"A0", "A2", "A3", "A4", "A5", "A1", "A6"};
        expectedSel = {5};
    }
    DragTo(ptFrom, UpperHalf(6));
    EXPECT_EQ(Texts(), expected);
    if (GetParam() == 0)
        EXPECT_EQ(m_list.GetCurSel(), expectedSel[0]);
    else
        EXPECT_EQ(Selected(), expectedSel);
    for (int i = 0; i < m_list.GetCount(); ++i) {
        const int n = std::stoi(expected[static_cast<size_t>(i)].substr(1));
        EXPECT_EQ(static_cast<DWORD>(m_list.GetItemData(i)), n % 2 ? 0xFFFFFFFFu - n : 1000u + n) << expected[i];
    }
    EXPECT_EQ(m_parent.m_nDragEnds, 1);
    // One from the start of the drag, one from the release.
    EXPECT_EQ(m_parent.m_nSelChanges - nSelChangesBefore, 2);
}

TEST_P(DragListBoxTest, TheMarkerShowsRedAtTheInsertRowAndGoesAwayAfterTheDrop)
{
    Fill(7);
    DragTo(UpperHalf(1), UpperHalf(4), false);
    EXPECT_GT(RedPixelsOnRow(ItemRect(4).top), 0);
    EXPECT_EQ(RedPixelsOnRow(ItemRect(3).top), 0);
    // Lower half of item 4: the marker moves to the next boundary.
    MoveTo(InItem(4, ItemRect(4).Height() - 2));
    EXPECT_EQ(RedPixelsOnRow(ItemRect(4).top), 0);
    EXPECT_GT(RedPixelsOnRow(ItemRect(5).top), 0);
    MouseUp();
    PumpUntilIdle();
    for (int i = 0; i < m_list.GetCount(); ++i)
        EXPECT_EQ(RedPixelsOnRow(ItemRect(i).top), 0) << "row of item " << i;
}

TEST_P(DragListBoxTest, EscapeEndsADragWithoutMovingAnything)
{
    Fill(7);
    // Only pressed: Escape ends the press and posts nothing.
    PressAt(UpperHalf(2));
    PressKey(VK_ESCAPE);
    EXPECT_EQ(m_list.State(), 0);
    MouseUp();
    PumpUntilIdle();
    EXPECT_EQ(m_parent.m_nDragEnds, 0);

    DragTo(UpperHalf(2), UpperHalf(5), false);
    ASSERT_EQ(m_list.State(), 3);
    EXPECT_GT(RedPixelsOnRow(ItemRect(5).top), 0);
    m_list.SetFocus();
    PressKey(VK_ESCAPE);
    EXPECT_EQ(m_list.State(), 0);
    EXPECT_EQ(m_parent.m_nDragEnds, 1);
    EXPECT_EQ(RedPixelsOnRow(ItemRect(5).top), 0);
    MouseUp();
    PumpUntilIdle();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"A0", "A1", "A2", "A3", "A4", "A5", "A6"}));
}

TEST_P(DragListBoxTest, HoldingTheCursorAboveTheListScrollsOneItemAtATimeToTheTop)
{
    Fill(40);
    m_list.SetTopIndex(6);
    PumpUntilIdle();
    const int nFirstTop = m_list.GetTopIndex();
    ASSERT_GT(nFirstTop, 3);
    DragTo(UpperHalf(nFirstTop + 2), UpperHalf(nFirstTop + 2), false);
    CRect rcWindow;
    m_list.GetWindowRect(&rcWindow);
    // Through the top zone to above the list, as a hand would go.
    MoveTo(CPoint(rcWindow.left + 30, rcWindow.top + 4));
    MoveTo(CPoint(rcWindow.left + 30, rcWindow.top - 10));

    std::vector<int> tops{m_list.GetTopIndex()};
    const DWORD dwStart = ::GetTickCount();
    while (::GetTickCount() - dwStart < 1500) {
        PumpFor(5);
        if (m_list.GetTopIndex() != tops.back())
            tops.push_back(m_list.GetTopIndex());
    }
    std::vector<int> expected;
    for (int t = tops.front(); t >= 0; --t)
        expected.push_back(t);
    EXPECT_EQ(tops, expected) << "one item per step, stopping at the top";
    // The marker follows: above the list the insert position is 0.
    EXPECT_GT(RedPixelsOnRow(ItemRect(0).top), 0);
    MoveTo(UpperHalf(nFirstTop + 2)); // drop back where it came from
    MouseUp();
    PumpUntilIdle();
    EXPECT_EQ(m_parent.m_nDragEnds, 1);
}

TEST_P(DragListBoxTest, WithDraggingSwitchedOffAMoveOnlyKeepsThePress)
{
    Fill(7);
    m_list.SetDragEnable(false);
    DragTo(UpperHalf(1), UpperHalf(5), false);
    EXPECT_EQ(m_list.State(), 1);
    MouseUp();
    PumpUntilIdle();
    EXPECT_EQ(m_list.State(), 0);
    EXPECT_EQ(m_parent.m_nDragEnds, 0);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"A0", "A1", "A2", "A3", "A4", "A5", "A6"}));

    // Back on, the next press drags again.
    m_list.SetDragEnable(true);
    DragTo(UpperHalf(2), UpperHalf(5));
    EXPECT_EQ(m_parent.m_nDragEnds, 1);
    EXPECT_EQ(Texts()[4], "A2");
}

TEST_P(DragListBoxTest, DestroyingTheListDuringADragTellsTheParent)
{
    Fill(7);
    DragTo(UpperHalf(1), UpperHalf(5), false);
    ASSERT_EQ(m_list.State(), 3);
    m_list.DestroyWindow();
    PumpUntilIdle();
    EXPECT_EQ(m_parent.m_nDragEnds, 1);
    EXPECT_NE(::GetCapture(), m_parent.m_hWnd);
}

TEST_P(DragListBoxTest, DropsWithNothingToMoveLeaveTheListAsItWas)
{
    // Empty list: a drag ends normally and changes nothing.
    CPoint ptEmpty(30, 5);
    m_list.ClientToScreen(&ptEmpty);
    DragTo(ptEmpty, CPoint(ptEmpty.x, ptEmpty.y + 40));
    EXPECT_EQ(m_parent.m_nDragEnds, 1);
    EXPECT_EQ(m_list.GetCount(), 0);

    Fill(5);
    m_list.SetCurSel(-1);
    m_list.SetSel(-1, FALSE);
    CPoint pt = UpperHalf(3);
    m_list.Dropped(pt);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"A0", "A1", "A2", "A3", "A4"}));
    EXPECT_EQ(static_cast<DWORD>(m_list.GetItemData(1)), 0xFFFFFFFEu);
}

TEST_P(DragListBoxTest, AnotherWindowTakingTheCaptureLeavesTheListIntact)
{
    Fill(7);
    DragTo(UpperHalf(1), UpperHalf(5), false);
    ASSERT_EQ(m_list.State(), 3);
    m_parent.SetCapture();
    MoveTo(UpperHalf(6));
    MouseUp();
    PumpUntilIdle();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"A0", "A1", "A2", "A3", "A4", "A5", "A6"}));
    ::ReleaseCapture();
    m_list.EndDrag();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"A0", "A1", "A2", "A3", "A4", "A5", "A6"}));
}

class ExtendedDragListBoxTest : public DragListBoxTest {};
INSTANTIATE_TEST_SUITE_P(Extended, ExtendedDragListBoxTest, ::testing::Values(DWORD(LBS_EXTENDEDSEL)));

TEST_P(ExtendedDragListBoxTest, ShiftOrCtrlNeverStartsADrag)
{
    const std::vector<std::string> original{"A0", "A1", "A2", "A3", "A4", "A5", "A6"};
    for (const auto& modifier : {std::make_pair(WORD(VK_SHIFT), UINT(MK_SHIFT)),
                                 std::make_pair(WORD(VK_CONTROL), UINT(MK_CONTROL))}) {
        m_list.ResetContent();
        Fill(7);
        m_list.SetSel(1, TRUE);
        const int nDragEndsBefore = m_parent.m_nDragEnds;
        // Wine takes the modifier state from the X server's pointer events,
        // where a synthetic key is not down, so the key is pressed again
        // before each event, as a held key repeats. A move can still arrive
        // without the modifier; only the moves that carried it are judged.
        const CPoint ptFrom = UpperHalf(2);
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
            if ((move.nFlags & modifier.second) == 0) {
                bAllCarriedIt = false;
                break;
            }
            ++nJudged;
            EXPECT_EQ(move.nAfter, 1) << "a move with the modifier held started a drag";
        }
        EXPECT_GT(nJudged, 0) << "no move reached the list with the modifier held";
        if (bAllCarriedIt) {
            EXPECT_EQ(m_parent.m_nDragEnds, nDragEndsBefore);
            EXPECT_EQ(Texts(), original);
        }
    }
}

TEST_P(ExtendedDragListBoxTest, APlainClickOnAMultiSelectionKeepsOnlyTheClickedItemAtRelease)
{
    Fill(7);
    m_list.SetSel(2, TRUE);
    m_list.SetSel(4, TRUE);
    PressAt(UpperHalf(4));
    EXPECT_EQ(Selected(), (std::vector<int>{2, 4})); // kept until the release
    MouseUp();
    PumpUntilIdle();
    EXPECT_EQ(Selected(), (std::vector<int>{4}));
}

class SortedDragListBoxTest : public DragListBoxTest {};
INSTANTIATE_TEST_SUITE_P(Sorted, SortedDragListBoxTest, ::testing::Values(DWORD(LBS_SORT | LBS_EXTENDEDSEL)));

TEST_P(SortedDragListBoxTest, ASortedListShowsNoMarkerAndKeepsItsOrder)
{
    Fill(7);
    DragTo(UpperHalf(1), UpperHalf(5), false);
    ASSERT_EQ(m_list.State(), 3);
    for (int i = 0; i < m_list.GetCount(); ++i)
        EXPECT_EQ(RedPixelsOnRow(ItemRect(i).top), 0) << "row of item " << i;
    MouseUp();
    PumpUntilIdle();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"A0", "A1", "A2", "A3", "A4", "A5", "A6"}));
    EXPECT_EQ(m_parent.m_nDragEnds, 1);
}

} // namespace

namespace {

TEST(DragCursorTest, IsAMonochrome32By32CursorWithItsHotSpotAtTheTopLeft)
{
    HMODULE hLibrary = ::GetModuleHandleA("C_LatticeObject.dll");
    ASSERT_TRUE(hLibrary != NULL);
    HCURSOR hCursor = ::LoadCursorA(hLibrary, MAKEINTRESOURCEA(5000));
    ASSERT_TRUE(hCursor != NULL);
    ICONINFO info = {};
    ASSERT_TRUE(::GetIconInfo(hCursor, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 0u);
    EXPECT_EQ(info.yHotspot, 0u);
    // A monochrome cursor has no colour bitmap: its mask holds the AND and
    // XOR halves one above the other.
    EXPECT_TRUE(info.hbmColor == NULL);
    BITMAP bm = {};
    ASSERT_TRUE(::GetObjectA(info.hbmMask, sizeof(bm), &bm));
    EXPECT_EQ(bm.bmWidth, 32);
    EXPECT_EQ(bm.bmHeight, 64);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    ::DeleteObject(info.hbmMask);
    if (info.hbmColor != NULL)
        ::DeleteObject(info.hbmColor);
}

} // namespace
