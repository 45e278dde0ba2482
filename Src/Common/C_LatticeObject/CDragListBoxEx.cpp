// CDragListBoxEx: message cracking and list-box calls around the drag
// arithmetic of lattice/core/DragListLayout.h.
#include "CDragListBoxEx.h"

#include <cstddef>

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "CAutoDllResource.h"
#include "LatticeObjectModule.h"
#include "RegisteredMessages.h"
#include "lattice/core/DragListLayout.h"
#include "resource.h"

namespace layout = lattice::core;

namespace {

const UINT_PTR kScrollTimerId = 150;
const UINT kScrollIntervalMs = 50;
const COLORREF kMarkerColor = RGB(255, 0, 0);

enum DragState { kIdle = 0, kPressed = 1, kStarting = 2, kDragging = 3 };

HCURSOR LoadDragCursor()
{
    CAutoDllResource useLibraryResources(AfxGetModuleState()->m_hCurrentResourceHandle, LatticeObjectInstance());
    LPCTSTR pszName = MAKEINTRESOURCE(IDC_DRAGLISTBOX_DRAG);
    return ::LoadCursor(AfxFindResourceHandle(pszName, RT_GROUP_CURSOR), pszName);
}

// Indices of the items a drop carries: every selected item of a
// multi-selection list, ascending; the current item of a single-selection
// list, if there is one.
std::vector<int> SelectedIndices(const CListBox& list, bool bMulti)
{
    std::vector<int> vecIndices;
    if (bMulti) {
        const int nSel = list.GetSelCount();
        if (nSel > 0) {
            vecIndices.resize(static_cast<size_t>(nSel));
            vecIndices.resize(static_cast<size_t>((std::max)(0, list.GetSelItems(nSel, vecIndices.data()))));
        }
    } else {
        const int nCur = list.GetCurSel();
        if (nCur >= 0)
            vecIndices.push_back(nCur);
    }
    return vecIndices;
}

// The list box as the drop's reorder takes and puts its items. An item
// travels with its whole pointer-sized data, and lands selected (or
// current, in a single-selection list).
class DropList {
public:
    struct Item {
        CString strText;
        DWORD_PTR dwData;
    };
    DropList(CListBox& list, bool bMulti) : m_list(list), m_bMulti(bMulti) {}
    int Count() const { return m_list.GetCount(); }
    Item Take(int i)
    {
        Item item;
        m_list.GetText(i, item.strText);
        item.dwData = m_list.GetItemData(i);
        m_list.DeleteString(static_cast<UINT>(i));
        return item;
    }
    void Put(int i, Item item)
    {
        const int nIndex = m_list.InsertString(i, item.strText);
        if (nIndex < 0)
            return;
        m_list.SetItemData(nIndex, item.dwData);
        if (m_bMulti)
            m_list.SetSel(nIndex, TRUE);
        else
            m_list.SetCurSel(nIndex);
    }

private:
    CListBox& m_list;
    const bool m_bMulti;
};

} // namespace

IMPLEMENT_DYNAMIC(CDragListBoxEx, CListBox)

BEGIN_MESSAGE_MAP(CDragListBoxEx, CListBox)
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_TIMER()
    ON_WM_DESTROY()
    ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

CDragListBoxEx::CDragListBoxEx()
    : m_nDragState(kIdle), m_ptDown(0, 0), m_nScrollDir(0), m_nScrollTimer(0), m_bSelectOnUp(false),
      m_nInsertPos(-1), m_nLastTop(-1), m_bDragEnable(true)
{
    // The host compiles against this layout: every field right after the
    // previous one, in this order, on both architectures.
#if defined(_WIN64)
    static_assert(offsetof(CDragListBoxEx, m_nDragState) == 24, "CDragListBoxEx::m_nDragState offset (x86-64)");
    static_assert(offsetof(CDragListBoxEx, m_ptDown) == 28, "CDragListBoxEx::m_ptDown offset (x86-64)");
    static_assert(offsetof(CDragListBoxEx, m_nScrollDir) == 36, "CDragListBoxEx::m_nScrollDir offset (x86-64)");
    static_assert(offsetof(CDragListBoxEx, m_nScrollTimer) == 40, "CDragListBoxEx::m_nScrollTimer offset (x86-64)");
    static_assert(offsetof(CDragListBoxEx, m_bSelectOnUp) == 48, "CDragListBoxEx::m_bSelectOnUp offset (x86-64)");
    static_assert(offsetof(CDragListBoxEx, m_nInsertPos) == 49, "CDragListBoxEx::m_nInsertPos offset (x86-64)");
    static_assert(offsetof(CDragListBoxEx, m_nLastTop) == 53, "CDragListBoxEx::m_nLastTop offset (x86-64)");
    static_assert(offsetof(CDragListBoxEx, m_bDragEnable) == 57, "CDragListBoxEx::m_bDragEnable offset (x86-64)");
    static_assert(sizeof(CDragListBoxEx) == 58, "sizeof(CDragListBoxEx) (x86-64)");
#else
    static_assert(offsetof(CDragListBoxEx, m_nDragState) == 12, "CDragListBoxEx::m_nDragState offset (i686)");
    static_assert(offsetof(CDragListBoxEx, m_ptDown) == 16, "CDragListBoxEx::m_ptDown offset (i686)");
    static_assert(offsetof(CDragListBoxEx, m_nScrollDir) == 24, "CDragListBoxEx::m_nScrollDir offset (i686)");
    static_assert(offsetof(CDragListBoxEx, m_nScrollTimer) == 28, "CDragListBoxEx::m_nScrollTimer offset (i686)");
    static_assert(offsetof(CDragListBoxEx, m_bSelectOnUp) == 32, "CDragListBoxEx::m_bSelectOnUp offset (i686)");
    static_assert(offsetof(CDragListBoxEx, m_nInsertPos) == 33, "CDragListBoxEx::m_nInsertPos offset (i686)");
    static_assert(offsetof(CDragListBoxEx, m_nLastTop) == 37, "CDragListBoxEx::m_nLastTop offset (i686)");
    static_assert(offsetof(CDragListBoxEx, m_bDragEnable) == 41, "CDragListBoxEx::m_bDragEnable offset (i686)");
    static_assert(sizeof(CDragListBoxEx) == 42, "sizeof(CDragListBoxEx) (i686)");
#endif
}

CDragListBoxEx::~CDragListBoxEx() {}

void CDragListBoxEx::SetDragEnable(bool bEnable)
{
    m_bDragEnable = bEnable;
}

/////////////////////////////////////////////////////////////////////////////
// Mouse

void CDragListBoxEx::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_nDragState == kIdle) {
        m_ptDown = point;
        m_nDragState = kPressed;
        SetCapture();
    }
    // A plain click on a multi-selection would collapse it before the user
    // could drag it; keep the click from the list and settle it at release.
    m_bSelectOnUp = (GetStyle() & LBS_EXTENDEDSEL) != 0 && GetSelCount() > 1 &&
                    (nFlags & (MK_SHIFT | MK_CONTROL)) == 0;
    if (!m_bSelectOnUp)
        Default();
}

void CDragListBoxEx::OnMouseMove(UINT nFlags, CPoint point)
{
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    if (m_nDragState == kPressed) {
        if (nFlags & (MK_SHIFT | MK_CONTROL)) {
            // The list extends its selection as usual; no drag.
            Default();
            return;
        }
        if (layout::PastDragDistance({m_ptDown.x, m_ptDown.y}, {point.x, point.y}, ::GetSystemMetrics(SM_CXDRAG),
                                     ::GetSystemMetrics(SM_CYDRAG)) &&
            BeginDrag(ptScreen))
            m_nDragState = kDragging;
    }
    if (m_nDragState == kDragging)
        Dragging(ptScreen);
}

void CDragListBoxEx::OnLButtonUp(UINT nFlags, CPoint point)
{
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    switch (m_nDragState) {
    case kIdle:
    case kStarting:
        Default();
        break;
    case kPressed:
        if (m_bSelectOnUp) {
            // What the kept-back click would have done.
            SetSel(-1, FALSE);
            const int nItem = HitTest(ptScreen);
            if (nItem >= 0)
                SetSel(nItem, TRUE);
        }
        EndDrag();
        break;
    case kDragging:
        // The end message is posted first, so the parent sees it after the drop.
        EndDrag();
        Dropped(ptScreen);
        break;
    default:
        break;
    }
    // Sent whether or not the list has LBS_NOTIFY: hosts count on it.
    const int nID = GetDlgCtrlID();
    const HWND hWndParent = ::GetParent(m_hWnd);
    if (nID > 0 && hWndParent != NULL)
        ::SendMessage(hWndParent, WM_COMMAND, MAKEWPARAM(nID, LBN_SELCHANGE), reinterpret_cast<LPARAM>(m_hWnd));
}

void CDragListBoxEx::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kScrollTimerId) {
        Default();
        return;
    }
    if (m_nScrollDir == 0)
        return;
    const int nNewTop = GetTopIndex() + m_nScrollDir;
    // At either end the requested top stops changing, and so does the list.
    if (nNewTop == m_nLastTop)
        return;
    // The marker row comes from the item rectangles: erase before scrolling.
    EraseInsert();
    SetTopIndex(nNewTop);
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    if (!IsSorted())
        UpdateInsert(ptCursor);
    m_nLastTop = nNewTop;
}

void CDragListBoxEx::OnDestroy()
{
    EndDrag();
    CListBox::OnDestroy();
}

void CDragListBoxEx::OnCaptureChanged(CWnd* pWnd)
{
    // The list box keeps its own click tracking in step.
    Default();
    // Another window took the mouse, or someone let it go: no button-up
    // will reach us, so the press or drag ends here, moving nothing, and
    // the capture stays with whoever has it now. While starting, the
    // list's own button-up lets go of it and BeginDrag takes it back.
    const HWND hWndNew = pWnd != NULL ? pWnd->m_hWnd : NULL;
    if (hWndNew != m_hWnd && (m_nDragState == kPressed || m_nDragState == kDragging))
        FinishDrag();
}

BOOL CDragListBoxEx::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg == NULL)
        return FALSE;
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE && m_nDragState != kIdle) {
        CPoint ptCursor;
        ::GetCursorPos(&ptCursor);
        CancelDrag(ptCursor);
        return TRUE;
    }
    return CListBox::PreTranslateMessage(pMsg);
}

/////////////////////////////////////////////////////////////////////////////
// Drag operations

BOOL CDragListBoxEx::BeginDrag(CPoint ptScreen)
{
    // Without a window there is no mouse to capture: the state stays idle.
    if (!m_bDragEnable || !::IsWindow(m_hWnd))
        return FALSE;
    m_nInsertPos = -1;
    m_nLastTop = -1;
    m_nDragState = kStarting;
    // Ends the list's own click tracking (it releases its capture); our
    // button-up handler passes it through while starting.
    SendMessage(WM_LBUTTONUP, 0, 0);
    if (::GetCapture() != m_hWnd)
        SetCapture();
    return TRUE;
}

void CDragListBoxEx::CancelDrag(CPoint ptScreen) { EndDrag(); }

UINT CDragListBoxEx::Dragging(CPoint ptScreen)
{
    // Without a window the marker would be drawn on the screen and the
    // scroll timer would belong to the thread.
    if (!::IsWindow(m_hWnd))
        return 0;
    AutoScroll(ptScreen);
    if (!IsSorted())
        UpdateInsert(ptScreen);
    if (::WindowFromPoint(ptScreen) == m_hWnd)
        ::SetCursor(LoadDragCursor());
    else
        ::SetCursor(::LoadCursor(NULL, IDC_NO));
    return 0;
}

void CDragListBoxEx::Dropped(CPoint ptScreen)
{
    // No items without a window, and a repaint of no window repaints them all.
    if (IsSorted() || !::IsWindow(m_hWnd))
        return;
    const int nInsertPos = GetInsertPos(ptScreen);
    const int nTop = GetTopIndex();
    const bool bMulti = IsMultiSelect();
    // One repaint for the whole move instead of one per deleted, inserted
    // and selected item: with a thousand items that is seconds against
    // milliseconds.
    SendMessage(WM_SETREDRAW, FALSE);
    const std::vector<int> vecSelected = SelectedIndices(*this, bMulti);
    if (bMulti)
        SetSel(-1, FALSE);
    // The items move here rather than through GetSelectedItems and
    // PasteItems, whose DWORD arrays would cut pointer-sized item data.
    DropList list(*this, bMulti);
    layout::ReorderForDrop(list, vecSelected, nInsertPos);
    SetTopIndex(nTop);
    SendMessage(WM_SETREDRAW, TRUE);
    Invalidate();
}

void CDragListBoxEx::EndDrag()
{
    // Whoever holds the capture: a drag ends with the mouse free. Our own
    // release comes back through OnCaptureChanged, which finishes the drag
    // there; the FinishDrag below then finds nothing left to do.
    ::ReleaseCapture();
    FinishDrag();
}

void CDragListBoxEx::FinishDrag()
{
    EndScroll();
    EraseInsert();
    if (m_nDragState == kDragging) {
        const HWND hWndParent = ::GetParent(m_hWnd);
        if (hWndParent != NULL && ::IsWindow(hWndParent))
            ::PostMessage(hWndParent, DRAGLISTBOX_MSG_DRAG_END, 0, 0);
    }
    m_nDragState = kIdle;
    m_bSelectOnUp = false;
}

/////////////////////////////////////////////////////////////////////////////
// Marker

void CDragListBoxEx::MakeArrow(CPoint pt, bool bLeft, CRgn& rgn)
{
    const auto vertices = layout::ArrowPolygon({pt.x, pt.y}, bLeft);
    POINT points[7];
    for (int i = 0; i < 7; ++i)
        points[i] = {vertices[i].x, vertices[i].y};
    rgn.CreatePolygonRgn(points, 7, ALTERNATE);
}

void CDragListBoxEx::DrawInsert(int nPos, bool bDraw)
{
    CDC* pDC = GetDC();
    CRect rcClient;
    GetClientRect(&rcClient);

    const int nCount = GetCount();
    CRect rcItem(0, 0, 0, 0);
    int nRowEdge = 0;
    if (nPos >= 0 && nPos < nCount) {
        GetItemRect(nPos, &rcItem);
        nRowEdge = rcItem.top;
    } else if (nCount > 0) {
        GetItemRect(nCount - 1, &rcItem);
        nRowEdge = rcItem.bottom;
    }
    const int y = layout::MarkerRow(nCount, nRowEdge, rcClient.bottom);

    CRgn rgnLeft, rgnRight;
    MakeArrow(CPoint(rcClient.left, y), true, rgnLeft);
    MakeArrow(CPoint(rcClient.right, y), false, rgnRight);

    if (bDraw) {
        // The system list box class draws through its parent's clipping,
        // so the arrows show on the parent beside the list. Wine's list box
        // class clips to its own client area: there only the line shows.
        CPen pen(PS_DOT, 1, kMarkerColor);
        CBrush brush(kMarkerColor);
        CPen* pOldPen = pDC->SelectObject(&pen);
        pDC->SetBkMode(TRANSPARENT);
        pDC->MoveTo(rcClient.left, y);
        pDC->LineTo(rcClient.right, y);
        pDC->FillRgn(&rgnLeft, &brush);
        pDC->FillRgn(&rgnRight, &brush);
        pDC->SelectObject(pOldPen);
    } else {
        const UINT nFlags = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;
        CRect rcStrip(rcClient.left, y, rcClient.right, y + 1);
        RedrawWindow(&rcStrip, NULL, nFlags);
        CWnd* pParent = GetParent();
        if (pParent != NULL && pParent->m_hWnd != NULL) {
            // An arrow shows only where the drawing context reaches beyond
            // the client area (the system list box draws through its
            // parent's clipping; Wine's clips to the list). Where it cannot
            // have shown, the parent's repaint, which takes the list's frame
            // and scroll bar with it, is skipped.
            CRect rcReach;
            ::GetClipBox(pDC->m_hDC, &rcReach);
            CRgn* arrows[2] = {&rgnLeft, &rgnRight};
            for (CRgn* pRgn : arrows) {
                CRect rcBox, rcShown;
                pRgn->GetRgnBox(&rcBox);
                if (!::IntersectRect(&rcShown, &rcBox, &rcReach))
                    continue;
                ClientToScreen(&rcBox);
                pParent->ScreenToClient(&rcBox);
                pParent->RedrawWindow(&rcBox, NULL, nFlags);
            }
        }
    }
    ReleaseDC(pDC);
}

void CDragListBoxEx::UpdateInsert(CPoint ptScreen)
{
    const int nPos = GetInsertPos(ptScreen);
    if (nPos == m_nInsertPos)
        return;
    EraseInsert();
    DrawInsert(nPos, true);
    m_nInsertPos = nPos;
}

void CDragListBoxEx::EraseInsert()
{
    if (m_nInsertPos < 0)
        return;
    DrawInsert(m_nInsertPos, false);
    m_nInsertPos = -1;
}

/////////////////////////////////////////////////////////////////////////////
// Geometry

int CDragListBoxEx::GetInsertPos(CPoint ptScreen) const
{
    const int nCount = GetCount();
    if (nCount <= 0)
        return 0;
    CPoint ptProbe(ptScreen.x, ptScreen.y + layout::ProbeOffset(GetItemHeight(0)));
    ScreenToClient(&ptProbe);
    BOOL bOutside = FALSE;
    const int nNearest = static_cast<int>(ItemFromPoint(ptProbe, bOutside));
    CRect rcLast(0, 0, 0, 0);
    const int nRectResult = GetItemRect(nCount - 1, &rcLast);
    return layout::InsertPosFromNearest({nCount, nNearest, bOutside != FALSE, nRectResult != 0, rcLast.bottom, ptProbe.y});
}

int CDragListBoxEx::HitTest(CPoint ptScreen) const { return ::LBItemFromPt(m_hWnd, ptScreen, FALSE); }

void CDragListBoxEx::AutoScroll(CPoint ptScreen)
{
    CRect rcItem(0, 0, 0, 0);
    GetItemRect(0, &rcItem);
    CPoint pt = ptScreen;
    ScreenToClient(&pt);
    CRect rcClient;
    GetClientRect(&rcClient);
    m_nScrollDir = layout::AutoScrollDirection(pt.y, rcClient.top, rcClient.bottom, rcItem.Height());
    // The timer keeps running when the cursor comes back: it stops only
    // when the drag ends.
    if (m_nScrollDir != 0 && m_nScrollTimer == 0)
        m_nScrollTimer = SetTimer(kScrollTimerId, kScrollIntervalMs, NULL);
}

void CDragListBoxEx::EndScroll()
{
    if (m_nScrollTimer == 0)
        return;
    KillTimer(m_nScrollTimer);
    m_nScrollTimer = 0;
}

/////////////////////////////////////////////////////////////////////////////
// Moving items

int CDragListBoxEx::GetSelectedItems(CStringArray& texts, CDWordArray& data, int& nInsertPos, bool bRemove)
{
    const std::vector<int> vecIndices = SelectedIndices(*this, IsMultiSelect());
    const int nItems = static_cast<int>(vecIndices.size());
    texts.SetSize(nItems);
    data.SetSize(nItems);
    // From the highest index down, so that the indices still to read stay valid.
    for (int k = nItems - 1; k >= 0; --k) {
        const int nIndex = vecIndices[static_cast<size_t>(k)];
        CString strText;
        GetText(nIndex, strText);
        texts.SetAt(k, strText);
        data.SetAt(k, static_cast<DWORD>(GetItemData(nIndex)));
        if (bRemove)
            DeleteString(static_cast<UINT>(nIndex));
    }
    if (bRemove)
        nInsertPos = layout::InsertPosAfterRemoval(vecIndices, nInsertPos);
    return nItems;
}

void CDragListBoxEx::PasteItems(const CStringArray& texts, const CDWordArray& data, int nInsertPos)
{
    const bool bMulti = IsMultiSelect();
    if (bMulti)
        SetSel(-1, FALSE);
    const bool bSorted = IsSorted();
    for (INT_PTR i = 0; i < texts.GetSize(); ++i) {
        const int nIndex = bSorted ? AddString(texts[i]) : InsertString(nInsertPos + static_cast<int>(i), texts[i]);
        if (nIndex < 0)
            continue;
        SetItemData(nIndex, data[i]);
        if (bMulti)
            SetSel(nIndex, TRUE);
        else
            SetCurSel(nIndex);
    }
}
