#include "CXTTipWindow.h"

#include <algorithm>

namespace {

const UINT_PTR kShowTimer = 1;
const UINT_PTR kHideTimer = 2;
const int kShadow = 3;

int FrameWidth(DWORD dwTipStyle) { return (dwTipStyle & TWS_XT_THICKBORDER) != 0 ? 2 : 1; }
int ShadowWidth(DWORD dwTipStyle) { return (dwTipStyle & TWS_XT_DROPSHADOW) != 0 ? kShadow : 0; }

} // namespace

BEGIN_MESSAGE_MAP(CXTTipWindow, CWnd)
    ON_WM_PAINT()
    ON_WM_TIMER()
    ON_MESSAGE(WM_SETFONT, OnSetFont)
    ON_MESSAGE(WM_GETFONT, OnGetFont)
END_MESSAGE_MAP()

CXTTipWindow::CXTTipWindow()
    : m_hFont(NULL)
    , m_sizeMargin(4, 4)
    , m_nLineSpace(2)
    , m_dwTipStyle(TWS_XT_DROPSHADOW)
    , m_bCenterHorz(FALSE)
    , m_nElapse(0)
{
}

CXTTipWindow::~CXTTipWindow() = default;

BOOL CXTTipWindow::Create(CWnd* pParentWnd)
{
    const LPCTSTR lpszClass = AfxRegisterWndClass(CS_SAVEBITS, ::LoadCursor(NULL, IDC_ARROW));
    return CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, lpszClass, "", WS_POPUP, 0, 0, 0, 0,
                    pParentWnd != NULL ? pParentWnd->GetSafeHwnd() : NULL, NULL);
}

void CXTTipWindow::SetMargins(CSize size) { m_sizeMargin = size; }

void CXTTipWindow::SetLineSpace(int nLineSpace) { m_nLineSpace = nLineSpace; }

void CXTTipWindow::SetTipText(LPCTSTR lpszTitle, LPCTSTR lpszText, BOOL bRedraw)
{
    m_strTitle = lpszTitle != NULL ? lpszTitle : "";
    if (!::IsWindow(m_hWnd))
        return;
    SetWindowText(lpszText != NULL ? lpszText : "");
    if (bRedraw)
        Invalidate();
}

void CXTTipWindow::ShowTipWindow(const CPoint& point, DWORD dwTipStyle, UINT nDelay, UINT nElapse,
                                 BOOL bCenterHorz)
{
    if (!::IsWindow(m_hWnd))
        return;
    KillTimer(kShowTimer);
    KillTimer(kHideTimer);
    m_ptTip = point;
    m_dwTipStyle = dwTipStyle;
    m_bCenterHorz = bCenterHorz;
    m_nElapse = nElapse;
    if (nDelay > 0)
        SetTimer(kShowTimer, nDelay, NULL);
    else
        ShowNow();
}

void CXTTipWindow::HideTipWindow()
{
    if (!::IsWindow(m_hWnd))
        return;
    KillTimer(kShowTimer);
    KillTimer(kHideTimer);
    ShowWindow(SW_HIDE);
}

void CXTTipWindow::ShowNow()
{
    const CSize size = MeasureTip();
    const int x = m_bCenterHorz ? m_ptTip.x - size.cx / 2 : m_ptTip.x;
    // Shown without activation: the window that asked for the tip keeps the
    // focus and its keyboard input.
    SetWindowPos(&wndTopMost, x, m_ptTip.y, size.cx, size.cy, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    Invalidate();
    if (m_nElapse > 0)
        SetTimer(kHideTimer, m_nElapse, NULL);
}

CSize CXTTipWindow::MeasureTip()
{
    CString strText;
    GetWindowText(strText);
    CClientDC dc(this);
    const HGDIOBJ hOldFont = ::SelectObject(dc.GetSafeHdc(), m_hFont != NULL ? m_hFont : ::GetStockObject(DEFAULT_GUI_FONT));
    CRect rcTitle(0, 0, 0, 0), rcText(0, 0, 0, 0);
    if (!m_strTitle.IsEmpty())
        dc.DrawText(m_strTitle, &rcTitle, DT_CALCRECT | DT_NOPREFIX);
    dc.DrawText(strText, &rcText, DT_CALCRECT | DT_NOPREFIX);
    ::SelectObject(dc.GetSafeHdc(), hOldFont);

    const int nEdge = FrameWidth(m_dwTipStyle);
    const int nGap = m_strTitle.IsEmpty() ? 0 : rcTitle.Height() + m_nLineSpace;
    return CSize(std::max(rcTitle.Width(), rcText.Width()) + 2 * (nEdge + m_sizeMargin.cx) + ShadowWidth(m_dwTipStyle),
                 nGap + rcText.Height() + 2 * (nEdge + m_sizeMargin.cy) + ShadowWidth(m_dwTipStyle));
}

void CXTTipWindow::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    const int nShadow = ShadowWidth(m_dwTipStyle);
    if (nShadow > 0) {
        dc.FillSolidRect(CRect(rc.right - nShadow, rc.top + nShadow, rc.right, rc.bottom), ::GetSysColor(COLOR_3DSHADOW));
        dc.FillSolidRect(CRect(rc.left + nShadow, rc.bottom - nShadow, rc.right, rc.bottom), ::GetSysColor(COLOR_3DSHADOW));
        rc.right -= nShadow;
        rc.bottom -= nShadow;
    }
    dc.FillSolidRect(rc, ::GetSysColor(COLOR_INFOTEXT));
    const int nEdge = FrameWidth(m_dwTipStyle);
    rc.DeflateRect(nEdge, nEdge);
    dc.FillSolidRect(rc, ::GetSysColor(COLOR_INFOBK));
    rc.DeflateRect(m_sizeMargin.cx, m_sizeMargin.cy);

    const HGDIOBJ hOldFont = ::SelectObject(dc.GetSafeHdc(), m_hFont != NULL ? m_hFont : ::GetStockObject(DEFAULT_GUI_FONT));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(::GetSysColor(COLOR_INFOTEXT));
    if (!m_strTitle.IsEmpty()) {
        CRect rcTitle(rc);
        rc.top += dc.DrawText(m_strTitle, &rcTitle, DT_NOPREFIX) + m_nLineSpace;
    }
    CString strText;
    GetWindowText(strText);
    dc.DrawText(strText, &rc, DT_NOPREFIX);
    ::SelectObject(dc.GetSafeHdc(), hOldFont);
}

void CXTTipWindow::OnTimer(UINT_PTR nIDEvent)
{
    KillTimer(nIDEvent);
    if (nIDEvent == kShowTimer)
        ShowNow();
    else if (nIDEvent == kHideTimer)
        ShowWindow(SW_HIDE);
}

LRESULT CXTTipWindow::OnSetFont(WPARAM wParam, LPARAM lParam)
{
    m_hFont = reinterpret_cast<HFONT>(wParam);
    if (LOWORD(lParam) != 0)
        Invalidate();
    return 0;
}

LRESULT CXTTipWindow::OnGetFont(WPARAM, LPARAM)
{
    return reinterpret_cast<LRESULT>(m_hFont);
}
