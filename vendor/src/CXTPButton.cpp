#include "CXTPButton.h"

namespace {

const int kGlyphSize = 13; // the radio circle or check box, square
const int kGap = 4;        // between glyph, image and text

bool IsArrow(WPARAM nKey) { return nKey == VK_LEFT || nKey == VK_UP || nKey == VK_RIGHT || nKey == VK_DOWN; }

bool IsArrowKeyDown(const MSG* pMsg) { return pMsg != NULL && pMsg->message == WM_KEYDOWN && IsArrow(pMsg->wParam); }

} // namespace

IMPLEMENT_DYNAMIC(CXTPButton, CButton)

BEGIN_MESSAGE_MAP(CXTPButton, CButton)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

CXTPButton::CXTPButton()
    : m_hImage(NULL), m_hIconHot(NULL), m_nImageType(IMAGE_ICON), m_szImage(0, 0), m_bOwnsImage(FALSE)
{
}

CXTPButton::~CXTPButton() { FreeImage(); }

bool CXTPButton::IsRadio() const
{
    const UINT nType = GetButtonStyle() & BS_TYPEMASK;
    return nType == BS_RADIOBUTTON || nType == BS_AUTORADIOBUTTON;
}

/////////////////////////////////////////////////////////////////////////////
// State and layout

BOOL CXTPButton::IsPushed() { return (GetState() & BST_PUSHED) != 0; }

BOOL CXTPButton::IsHighlighted()
{
    CPoint pt;
    return ::GetCursorPos(&pt) && ::WindowFromPoint(pt) == m_hWnd;
}

int CXTPButton::GetChecked() { return GetCheck(); }

DWORD CXTPButton::GetTextAlignment() const
{
    const DWORD dwStyle = GetStyle();
    const UINT nType = dwStyle & BS_TYPEMASK;
    const bool bPush = nType == BS_PUSHBUTTON || nType == BS_DEFPUSHBUTTON;
    DWORD dwFormat = (dwStyle & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
    switch (dwStyle & BS_CENTER) {
    case BS_LEFT:
        dwFormat |= DT_LEFT;
        break;
    case BS_RIGHT:
        dwFormat |= DT_RIGHT;
        break;
    case BS_CENTER:
        dwFormat |= DT_CENTER;
        break;
    default:
        dwFormat |= bPush ? DT_CENTER : DT_LEFT;
        break;
    }
    if (dwFormat & DT_SINGLELINE) {
        const DWORD dwVertical = dwStyle & BS_VCENTER;
        dwFormat |= dwVertical == BS_TOP ? DT_TOP : dwVertical == BS_BOTTOM ? DT_BOTTOM : DT_VCENTER;
    }
    return dwFormat;
}

DWORD CXTPButton::GetImageAlignment() const { return DT_LEFT | DT_VCENTER; }

CSize CXTPButton::GetImageSize() const { return m_hImage == NULL ? CSize(0, 0) : m_szImage; }

void CXTPButton::DrawImage(CDC* pDC, CRect rcImage)
{
    if (m_nImageType == IMAGE_ICON) {
        const HICON hIcon = m_hIconHot != NULL && IsHighlighted() ? m_hIconHot : static_cast<HICON>(m_hImage);
        ::DrawIconEx(pDC->m_hDC, rcImage.left, rcImage.top, hIcon, rcImage.Width(), rcImage.Height(), 0, NULL,
                     DI_NORMAL);
        return;
    }
    CDC memDC;
    if (!memDC.CreateCompatibleDC(pDC))
        return;
    const HGDIOBJ hOld = ::SelectObject(memDC.m_hDC, m_hImage);
    pDC->BitBlt(rcImage.left, rcImage.top, rcImage.Width(), rcImage.Height(), &memDC, 0, 0, SRCCOPY);
    ::SelectObject(memDC.m_hDC, hOld);
}

CRect CXTPButton::GetButtonRect()
{
    CRect rc;
    GetClientRect(&rc);
    return rc;
}

/////////////////////////////////////////////////////////////////////////////
// Images

void CXTPButton::FreeImage()
{
    if (m_bOwnsImage && m_hImage != NULL) {
        if (m_nImageType == IMAGE_ICON)
            ::DestroyIcon(static_cast<HICON>(m_hImage));
        else
            ::DeleteObject(m_hImage);
    }
    m_hImage = NULL;
    m_hIconHot = NULL;
    m_bOwnsImage = FALSE;
}

BOOL CXTPButton::SetIcon(CSize size, HICON hIcon, BOOL bRedraw) { return SetIcon(size, hIcon, NULL, bRedraw); }

BOOL CXTPButton::SetIcon(CSize size, HICON hIcon, HICON hIconHot, BOOL bRedraw)
{
    FreeImage();
    m_hImage = hIcon;
    m_hIconHot = hIconHot;
    m_nImageType = IMAGE_ICON;
    m_szImage = size;
    if (bRedraw && m_hWnd != NULL)
        Invalidate(FALSE);
    return hIcon != NULL;
}

BOOL CXTPButton::SetIcon(CSize size, UINT nID, BOOL bRedraw) { return SetIcon(size, MAKEINTRESOURCEA(nID), bRedraw); }

BOOL CXTPButton::SetIcon(CSize size, LPCTSTR lpszID, BOOL bRedraw)
{
    const HANDLE hIcon = ::LoadImageA(AfxFindResourceHandle(lpszID, RT_GROUP_ICON), lpszID, IMAGE_ICON, size.cx,
                                      size.cy, 0);
    if (hIcon == NULL)
        return FALSE;
    SetIcon(size, static_cast<HICON>(hIcon), bRedraw);
    m_bOwnsImage = TRUE;
    return TRUE;
}

BOOL CXTPButton::SetBitmap(CSize size, UINT nID, BOOL bRedraw)
{
    LPCTSTR lpszID = MAKEINTRESOURCEA(nID);
    const HANDLE hBitmap = ::LoadImageA(AfxFindResourceHandle(lpszID, RT_BITMAP), lpszID, IMAGE_BITMAP, 0, 0, 0);
    if (hBitmap == NULL)
        return FALSE;
    FreeImage();
    m_hImage = hBitmap;
    m_nImageType = IMAGE_BITMAP;
    m_szImage = size;
    m_bOwnsImage = TRUE;
    if (bRedraw && m_hWnd != NULL)
        Invalidate(FALSE);
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Text, colours and drawing

CString CXTPButton::GetButtonText()
{
    CString strText;
    GetWindowText(strText);
    return strText;
}

COLORREF CXTPButton::GetButtonTextColor() { return ::GetSysColor(COLOR_BTNTEXT); }

COLORREF CXTPButton::GetButtonBackColor() { return ::GetSysColor(COLOR_BTNFACE); }

void CXTPButton::OnDropDown() {}

void CXTPButton::OnDraw(CDC* pDC)
{
    const CRect rc = GetButtonRect();
    // The parent colours the background as it does for its standard buttons.
    const HWND hParent = ::GetParent(m_hWnd);
    const HBRUSH hbr = hParent == NULL ? NULL
                                       : reinterpret_cast<HBRUSH>(::SendMessageA(hParent, WM_CTLCOLORBTN,
                                                                                 reinterpret_cast<WPARAM>(pDC->m_hDC),
                                                                                 reinterpret_cast<LPARAM>(m_hWnd)));
    if (hbr != NULL)
        ::FillRect(pDC->m_hDC, &rc, hbr);
    else
        pDC->FillSolidRect(rc, GetButtonBackColor());

    const UINT nType = GetButtonStyle() & BS_TYPEMASK;
    UINT nState = (IsPushed() ? DFCS_PUSHED : 0) | (IsWindowEnabled() ? 0 : DFCS_INACTIVE);
    CRect rcText = rc;
    if (nType == BS_PUSHBUTTON || nType == BS_DEFPUSHBUTTON) {
        CRect rcFrame = rc;
        ::DrawFrameControl(pDC->m_hDC, &rcFrame, DFC_BUTTON, DFCS_BUTTONPUSH | nState);
        rcText.DeflateRect(kGap, kGap);
    } else {
        const int nChecked = GetChecked();
        if (IsRadio())
            nState |= DFCS_BUTTONRADIO;
        else
            nState |= nChecked == BST_INDETERMINATE ? DFCS_BUTTON3STATE : DFCS_BUTTONCHECK;
        if (nChecked != BST_UNCHECKED)
            nState |= DFCS_CHECKED;
        CRect rcGlyph(rc.left, rc.top + (rc.Height() - kGlyphSize) / 2, rc.left + kGlyphSize, 0);
        rcGlyph.bottom = rcGlyph.top + kGlyphSize;
        ::DrawFrameControl(pDC->m_hDC, &rcGlyph, DFC_BUTTON, nState);
        rcText.left = rcGlyph.right + kGap;
    }

    const CSize szImage = GetImageSize();
    if (szImage.cx > 0 && szImage.cy > 0) {
        const int nTop = rcText.top + (rcText.Height() - szImage.cy) / 2;
        DrawImage(pDC, CRect(CPoint(rcText.left, nTop), szImage));
        rcText.left += szImage.cx + kGap;
    }

    const HFONT hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    const HGDIOBJ hOldFont = ::SelectObject(pDC->m_hDC, hFont != NULL ? hFont : ::GetStockObject(DEFAULT_GUI_FONT));
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(GetButtonTextColor());
    pDC->DrawText(GetButtonText(), rcText, GetTextAlignment());
    if (::GetFocus() == m_hWnd) {
        CRect rcFocus = rcText;
        rcFocus.DeflateRect(0, 1);
        ::DrawFocusRect(pDC->m_hDC, &rcFocus);
    }
    ::SelectObject(pDC->m_hDC, hOldFont);
}

void CXTPButton::InternalTextChanged() { Invalidate(FALSE); }

void CXTPButton::DoDraw(CDC* pDC)
{
    const CRect rc = GetButtonRect();
    CDC memDC;
    CBitmap bitmap;
    if (!memDC.CreateCompatibleDC(pDC) || !bitmap.CreateCompatibleBitmap(pDC, rc.Width(), rc.Height())) {
        OnDraw(pDC);
        return;
    }
    CBitmap* pOld = memDC.SelectObject(&bitmap);
    OnDraw(&memDC);
    pDC->BitBlt(rc.left, rc.top, rc.Width(), rc.Height(), &memDC, 0, 0, SRCCOPY);
    memDC.SelectObject(pOld);
}

/////////////////////////////////////////////////////////////////////////////
// Messages

void CXTPButton::PreSubclassWindow()
{
    CButton::PreSubclassWindow();
    // A window taken over from a dialog was painted in the system's look.
    Invalidate(FALSE);
}

namespace {

// Messages after which the system button has painted itself in its own look.
bool SystemRepaints(UINT message)
{
    switch (message) {
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_SETFONT:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CAPTURECHANGED:
    case WM_SYSCOLORCHANGE:
    case WM_UPDATEUISTATE:
    case BM_SETSTATE:
    case BM_SETCHECK:
    case BM_SETSTYLE:
    case BM_CLICK:
        return true;
    default:
        return false;
    }
}

} // namespace

BOOL CXTPButton::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_GETDLGCODE && IsRadio() && IsArrowKeyDown(reinterpret_cast<const MSG*>(lParam))) {
        // Asked by the dialog manager about an arrow key: the button takes
        // it itself. Asked without a key (as the radio group does to find
        // its members), it answers as a plain radio button, or the group
        // would not know it.
        *pResult = DefWindowProc(message, wParam, lParam) | DLGC_WANTARROWS;
        return TRUE;
    }
    // A move repaints only while the button holds the capture (pressed).
    if (!SystemRepaints(message) || (message == WM_MOUSEMOVE && ::GetCapture() != m_hWnd))
        return CButton::OnWndMsg(message, wParam, lParam, pResult);
    if (!CButton::OnWndMsg(message, wParam, lParam, pResult))
        *pResult = DefWindowProc(message, wParam, lParam);
    if (message == WM_SETTEXT)
        InternalTextChanged();
    // The handlers may have destroyed or hidden the window.
    if (m_hWnd != NULL && IsWindowVisible())
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    return TRUE;
}

void CXTPButton::OnPaint()
{
    CPaintDC dc(this);
    DoDraw(&dc);
}

BOOL CXTPButton::OnEraseBkgnd(CDC*) { return TRUE; }

void CXTPButton::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!IsArrow(nChar) || !IsRadio()) {
        CButton::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    const HWND hParent = ::GetParent(m_hWnd);
    if (hParent == NULL)
        return;
    const HWND hNext = ::GetNextDlgGroupItem(hParent, m_hWnd, nChar == VK_LEFT || nChar == VK_UP);
    if (hNext == NULL || hNext == m_hWnd)
        return;
    ::SetFocus(hNext);
    // Focus reaching an automatic radio button chooses it, as the dialog
    // manager does with the arrow keys. Some systems choose it already on
    // the focus change; the check keeps it from being clicked twice.
    if ((::GetWindowLongA(hNext, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON &&
        ::SendMessageA(hNext, BM_GETCHECK, 0, 0) != BST_CHECKED)
        ::SendMessageA(hNext, BM_CLICK, 0, 0);
}
