#include <afxext.h>

IMPLEMENT_DYNAMIC(CBitmapButton, CButton)

CBitmapButton::CBitmapButton() = default;

CBitmapButton::~CBitmapButton() = default;

BOOL CBitmapButton::LoadBitmaps(LPCTSTR lpszBitmapResource, LPCTSTR lpszBitmapResourceSel,
                                LPCTSTR lpszBitmapResourceFocus, LPCTSTR lpszBitmapResourceDisabled)
{
    m_bitmap.DeleteObject();
    m_bitmapSel.DeleteObject();
    m_bitmapFocus.DeleteObject();
    m_bitmapDisabled.DeleteObject();
    if (lpszBitmapResource == NULL || !m_bitmap.LoadBitmap(lpszBitmapResource))
        return FALSE;
    const struct {
        CBitmap* pBitmap;
        LPCTSTR lpszName;
    } others[] = {{&m_bitmapSel, lpszBitmapResourceSel},
                  {&m_bitmapFocus, lpszBitmapResourceFocus},
                  {&m_bitmapDisabled, lpszBitmapResourceDisabled}};
    for (const auto& other : others) {
        if (other.lpszName != NULL && !other.pBitmap->LoadBitmap(other.lpszName))
            return FALSE;
    }
    return TRUE;
}

BOOL CBitmapButton::LoadBitmaps(UINT nIDBitmapResource, UINT nIDBitmapResourceSel, UINT nIDBitmapResourceFocus,
                                UINT nIDBitmapResourceDisabled)
{
    return LoadBitmaps(MAKEINTRESOURCEA(nIDBitmapResource), MAKEINTRESOURCEA(nIDBitmapResourceSel),
                       MAKEINTRESOURCEA(nIDBitmapResourceFocus), MAKEINTRESOURCEA(nIDBitmapResourceDisabled));
}

void CBitmapButton::SizeToContent()
{
    BITMAP bm;
    if (m_bitmap.GetSafeHandle() == NULL || m_bitmap.GetBitmap(&bm) == 0)
        return;
    SetWindowPos(NULL, 0, 0, bm.bmWidth, bm.bmHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

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
