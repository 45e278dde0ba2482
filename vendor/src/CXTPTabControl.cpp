#include "CXTPTabControl.h"

BEGIN_MESSAGE_MAP(CXTPTabControl, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_MESSAGE(WM_SETFONT, OnSetFont)
    ON_MESSAGE(WM_GETFONT, OnGetFont)
END_MESSAGE_MAP()

CXTPTabControl::CXTPTabControl() = default;

CXTPTabControl::~CXTPTabControl() { DestroyWindow(); }

BOOL CXTPTabControl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    LPCTSTR pszClass = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, ::LoadCursor(NULL, IDC_ARROW));
    return CWnd::Create(pszClass, NULL, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

void CXTPTabControl::Reposition()
{
    if (m_hWnd != NULL)
        Invalidate(FALSE);
}

void CXTPTabControl::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(rcClient);
    const HFONT hFont = m_hFont != NULL ? m_hFont : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    CFont* pOldFont = dc.SelectObject(CFont::FromHandle(hFont));
    DrawTabControl(&dc, rcClient);
    dc.SelectObject(pOldFont);
}

// Every pixel is painted by OnPaint.
BOOL CXTPTabControl::OnEraseBkgnd(CDC*) { return TRUE; }

LRESULT CXTPTabControl::OnSetFont(WPARAM wParam, LPARAM lParam)
{
    m_hFont = reinterpret_cast<HFONT>(wParam);
    if (LOWORD(lParam))
        Invalidate(FALSE);
    return 0;
}

LRESULT CXTPTabControl::OnGetFont(WPARAM, LPARAM) { return reinterpret_cast<LRESULT>(m_hFont); }

void CXTPTabControl::OnLButtonDown(UINT, CPoint point)
{
    for (int i = 0; i < GetItemCount(); ++i) {
        if (GetItem(i)->GetRect().PtInRect(point)) {
            SetSelectedItem(GetItem(i));
            return;
        }
    }
}
