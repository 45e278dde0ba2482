// CHoverButton: bitmap choice by state, hover tracking through the capture,
// and rescaling to the host's screen scale.
#include "CHoverButton.h"

#include <cstddef>

#include "CAutoDllResource.h"
#include "DeviceScale.h"
#include "LatticeObjectModule.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CHoverButton, CBitmapButton)
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDOWN()
    ON_WM_RBUTTONDOWN()
    ON_WM_RBUTTONUP()
END_MESSAGE_MAP()

CHoverButton::CHoverButton() : m_bLButtonDown(FALSE), m_bMouseIn(FALSE), m_eState(BTN_NORMAL)
{
    // The host compiles against this layout: the members one after the
    // other, without gaps, after the bitmap button's.
    static_assert(sizeof(BUTTON_STATE) == 4, "BUTTON_STATE is an int");
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof" // offsets within one compiler's layout, as the host sees it
#if defined(_WIN64)
    static_assert(offsetof(CHoverButton, m_bLButtonDown) == 88, "CHoverButton layout (x86-64)");
    static_assert(offsetof(CHoverButton, m_bMouseIn) == 92, "CHoverButton layout (x86-64)");
    static_assert(offsetof(CHoverButton, m_eState) == 96, "CHoverButton layout (x86-64)");
    static_assert(offsetof(CHoverButton, m_bmpPressed) == 100, "CHoverButton layout (x86-64)");
    static_assert(offsetof(CHoverButton, m_bmpHover) == 116, "CHoverButton layout (x86-64)");
    static_assert(offsetof(CHoverButton, m_bmpNormal) == 132, "CHoverButton layout (x86-64)");
    static_assert(offsetof(CHoverButton, m_bmpDisabled) == 148, "CHoverButton layout (x86-64)");
    static_assert(sizeof(CHoverButton) == 164, "CHoverButton layout (x86-64)");
#else
    static_assert(offsetof(CHoverButton, m_bLButtonDown) == 44, "CHoverButton layout (i686)");
    static_assert(offsetof(CHoverButton, m_bMouseIn) == 48, "CHoverButton layout (i686)");
    static_assert(offsetof(CHoverButton, m_eState) == 52, "CHoverButton layout (i686)");
    static_assert(offsetof(CHoverButton, m_bmpPressed) == 56, "CHoverButton layout (i686)");
    static_assert(offsetof(CHoverButton, m_bmpHover) == 64, "CHoverButton layout (i686)");
    static_assert(offsetof(CHoverButton, m_bmpNormal) == 72, "CHoverButton layout (i686)");
    static_assert(offsetof(CHoverButton, m_bmpDisabled) == 80, "CHoverButton layout (i686)");
    static_assert(sizeof(CHoverButton) == 88, "CHoverButton layout (i686)");
#endif
#pragma GCC diagnostic pop
}

CHoverButton::~CHoverButton()
{
    m_bmpPressed.DeleteObject();
    m_bmpHover.DeleteObject();
    m_bmpNormal.DeleteObject();
    m_bmpDisabled.DeleteObject();
}

/////////////////////////////////////////////////////////////////////////////
// Bitmaps

BOOL CHoverButton::LoadBitmaps(const char* pszNormal, const char* pszPressed, const char* pszHover,
                               const char* pszDisabled)
{
    m_bmpPressed.DeleteObject();
    m_bmpHover.DeleteObject();
    m_bmpNormal.DeleteObject();
    m_bmpDisabled.DeleteObject();
    if (pszNormal == NULL || !m_bmpNormal.LoadBitmap(pszNormal))
        return FALSE;
    const struct {
        CBitmap* pBitmap;
        const char* pszName;
    } others[] = {{&m_bmpPressed, pszPressed}, {&m_bmpHover, pszHover}, {&m_bmpDisabled, pszDisabled}};
    for (const auto& other : others) {
        if (other.pszName != NULL && !other.pBitmap->LoadBitmap(other.pszName))
            return FALSE;
    }
    return TRUE;
}

BOOL CHoverButton::LoadBitmaps(UINT nIDNormal, UINT nIDPressed, UINT nIDHover, UINT nIDDisabled)
{
    // MAKEINTRESOURCE keeps the low 16 bits; 0 becomes a NULL name.
    return LoadBitmaps(MAKEINTRESOURCEA(nIDNormal), MAKEINTRESOURCEA(nIDPressed), MAKEINTRESOURCEA(nIDHover),
                       MAKEINTRESOURCEA(nIDDisabled));
}

void CHoverButton::LoadTAIEXButtonBitmaps()
{
    // The pair is the library's own: find it there before the host's
    // resources, which may use the same numbers.
    CAutoDllResource useLibraryResources(AfxGetModuleState()->m_hCurrentResourceHandle, LatticeObjectInstance());
    LoadBitmaps(IDB_TAIEX_BUTTON, IDB_TAIEX_BUTTON_HOVER, IDB_TAIEX_BUTTON_HOVER, IDB_TAIEX_BUTTON);
}

void CHoverButton::SizeToContent()
{
    vSketchBitmap(m_bmpNormal);
    vSketchBitmap(m_bmpPressed);
    vSketchBitmap(m_bmpHover);
    vSketchBitmap(m_bmpDisabled);
    // Before any load there is no size to take; the window stays as it is.
    BITMAP bm;
    if (m_bmpNormal.GetSafeHandle() == NULL || m_bmpNormal.GetBitmap(&bm) == 0)
        return;
    SetWindowPos(NULL, 0, 0, bm.bmWidth, bm.bmHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);
}

void CHoverButton::vSketchBitmap(CBitmap& bmp)
{
    // Bitmaps are drawn for a scale of exactly 1.0, which needs no work.
    if (dbGetDeviceScale() == 1.0 || bmp.GetSafeHandle() == NULL)
        return;
    BITMAP bm;
    if (bmp.GetBitmap(&bm) == 0)
        return;
    const int nWidth = iCalTransDevScale(bm.bmWidth);
    const int nHeight = iCalTransDevScale(bm.bmHeight);
    CClientDC dcWindow(this);
    CDC dcFrom, dcTo;
    CBitmap scaled;
    if (!dcFrom.CreateCompatibleDC(&dcWindow) || !dcTo.CreateCompatibleDC(&dcWindow) ||
        !scaled.CreateCompatibleBitmap(&dcWindow, nWidth, nHeight))
        return; // a size the screen cannot take keeps the bitmap as it was
    CBitmap* pOldFrom = dcFrom.SelectObject(&bmp);
    CBitmap* pOldTo = dcTo.SelectObject(&scaled);
    dcTo.SetStretchBltMode(HALFTONE);
    dcTo.SetBrushOrg(0, 0);
    dcTo.StretchBlt(0, 0, nWidth, nHeight, &dcFrom, 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
    dcFrom.SelectObject(pOldFrom);
    dcTo.SelectObject(pOldTo);
    bmp.DeleteObject();
    bmp.Attach(scaled.Detach());
}

/////////////////////////////////////////////////////////////////////////////
// State

CHoverButton::BUTTON_STATE CHoverButton::GetButtonState() { return m_eState; }

CHoverButton::BUTTON_STATE CHoverButton::SetButtonState(BUTTON_STATE eState)
{
    const BUTTON_STATE eChecked = static_cast<BUTTON_STATE>(SendMessage(BM_GETCHECK));
    m_eState = eState;
    switch (eState) {
    case BTN_PRESSED:
    case BTN_HOVER:
        // The state's own number as BM_SETSTATE's argument: both push.
        EnableWindow(TRUE);
        SendMessage(BM_SETSTATE, static_cast<WPARAM>(eState));
        break;
    case BTN_DISABLED:
        EnableWindow(FALSE);
        break;
    default:
        m_eState = BTN_NORMAL;
        EnableWindow(TRUE);
        SendMessage(BM_SETSTATE, FALSE);
        break;
    }
    return eChecked;
}

void CHoverButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct == NULL || lpDrawItemStruct->hDC == NULL)
        return;
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    CDC memDC;
    if (!memDC.CreateCompatibleDC(pDC))
        return;
    const int nSaved = pDC->SaveDC();
    CBitmap* pBitmap = &m_bmpNormal;
    switch (m_eState) {
    case BTN_PRESSED:
        pBitmap = &m_bmpPressed;
        break;
    case BTN_HOVER:
        pBitmap = &m_bmpHover;
        break;
    case BTN_DISABLED:
        pBitmap = &m_bmpDisabled;
        break;
    default:
        break;
    }
    if (pBitmap->GetSafeHandle() != NULL) {
        // From origin to origin: the bitmap's top-left part, cut at the
        // item's size.
        const CRect rcItem(lpDrawItemStruct->rcItem);
        CBitmap* pOld = memDC.SelectObject(pBitmap);
        pDC->BitBlt(0, 0, rcItem.Width(), rcItem.Height(), &memDC, 0, 0, SRCCOPY);
        memDC.SelectObject(pOld);
    }
    pDC->RestoreDC(nSaved);
    memDC.DeleteDC();
}

/////////////////////////////////////////////////////////////////////////////
// Mouse

void CHoverButton::OnMouseMove(UINT nFlags, CPoint point)
{
    CBitmapButton::OnMouseMove(nFlags, point);
    // A normal button starts tracking when it is not tracking yet, or when
    // it lost the capture it took (to a press and release, or to another
    // window); only a hovered button stops, once the pointer is outside.
    if ((!m_bMouseIn || GetCapture() != this) && m_eState == BTN_NORMAL) {
        OnMouseEnter();
    } else if (m_eState == BTN_HOVER) {
        CRect rcClient;
        GetClientRect(&rcClient);
        if (!rcClient.PtInRect(point))
            OnMouseLeave();
    }
}

void CHoverButton::OnMouseEnter()
{
    m_bMouseIn = TRUE;
    m_eState = BTN_HOVER;
    SetCapture();
    Invalidate(TRUE);
    UpdateWindow();
}

void CHoverButton::OnMouseLeave()
{
    m_eState = BTN_NORMAL;
    m_bMouseIn = FALSE;
    Invalidate(TRUE);
    UpdateWindow();
    ::ReleaseCapture();
}

void CHoverButton::OnLButtonDown(UINT nFlags, CPoint point)
{
    m_bLButtonDown = TRUE;
    SetButtonState(BTN_NORMAL);
    m_eState = BTN_PRESSED;
    // The button's own press: it captures the mouse and pushes itself.
    CBitmapButton::OnLButtonDown(nFlags, point);
}

void CHoverButton::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (!m_bLButtonDown)
        return;
    SetButtonState(BTN_PRESSED);
    m_eState = BTN_NORMAL;
    // The button's own release: it lets the capture go and, over the
    // button, sends the parent its click.
    CBitmapButton::OnLButtonUp(nFlags, point);
    m_bLButtonDown = FALSE;
}

// The right button does nothing on this button, not even the default
// handling: the messages are consumed here.
void CHoverButton::OnRButtonDown(UINT, CPoint) {}

void CHoverButton::OnRButtonUp(UINT, CPoint) {}
