#include <afxext.h>

IMPLEMENT_DYNAMIC(CBitmapButton, CButton)

CBitmapButton::CBitmapButton() = default;

CBitmapButton::~CBitmapButton() = default;

void CBitmapButton::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    // The first of disabled, pushed and focused that applies and has a
    // bitmap; the normal bitmap otherwise.
    CBitmap* pBitmap = &m_bitmap;
    if ((lpDIS->itemState & ODS_DISABLED) && m_bitmapDisabled.GetSafeHandle() != NULL)
        pBitmap = &m_bitmapDisabled;
    else if ((lpDIS->itemState & ODS_SELECTED) && m_bitmapSel.GetSafeHandle() != NULL)
        pBitmap = &m_bitmapSel;
    else if ((lpDIS->itemState & ODS_FOCUS) && m_bitmapFocus.GetSafeHandle() != NULL)
        pBitmap = &m_bitmapFocus;
    if (pBitmap->GetSafeHandle() == NULL)
        return;
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CDC memDC;
    if (!memDC.CreateCompatibleDC(pDC))
        return;
    CBitmap* pOld = memDC.SelectObject(pBitmap);
    const CRect rc(lpDIS->rcItem);
    pDC->BitBlt(rc.left, rc.top, rc.Width(), rc.Height(), &memDC, 0, 0, SRCCOPY);
    memDC.SelectObject(pOld);
}
