#include <afxwin.h>

#include "TemporaryObjects.h"

IMPLEMENT_DYNAMIC(CDC, CObject)

namespace {
TemporaryObjects<HDC, CDC>& TemporaryMap()
{
    static TemporaryObjects<HDC, CDC> map(&CDC::m_hDC);
    return map;
}

// Selecting through a NULL object selects nothing and returns NULL.
HGDIOBJ HandleOf(const CGdiObject* pObject) { return pObject == NULL ? NULL : pObject->m_hObject; }
} // namespace

CDC::CDC() : m_hDC(NULL), m_hAttribDC(NULL) {}

CDC::~CDC()
{
    if (m_hDC != NULL)
        ::DeleteDC(Detach());
}

CDC* PASCAL CDC::FromHandle(HDC hDC)
{
    if (hDC == NULL)
        return NULL;
    CDC* pDC = TemporaryMap().Get(hDC);
    pDC->m_hAttribDC = hDC;
    return pDC;
}

void PASCAL CDC::DeleteTempMap() { TemporaryMap().DeleteAll(); }

BOOL CDC::Attach(HDC hDC)
{
    if (hDC == NULL || m_hDC != NULL)
        return FALSE;
    m_hDC = m_hAttribDC = hDC;
    return TRUE;
}

HDC CDC::Detach()
{
    HDC hDC = m_hDC;
    m_hDC = m_hAttribDC = NULL;
    return hDC;
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    return Attach(::CreateCompatibleDC(pDC == NULL ? NULL : pDC->m_hDC));
}

BOOL CDC::DeleteDC()
{
    if (m_hDC == NULL)
        return FALSE;
    return ::DeleteDC(Detach());
}

CGdiObject* CDC::SelectStockObject(int nIndex)
{
    return CGdiObject::FromHandle(::SelectObject(m_hDC, ::GetStockObject(nIndex)));
}

CPen* CDC::SelectObject(CPen* pPen)
{
    return static_cast<CPen*>(CGdiObject::FromHandle(::SelectObject(m_hDC, HandleOf(pPen))));
}

CBrush* CDC::SelectObject(CBrush* pBrush)
{
    return static_cast<CBrush*>(CGdiObject::FromHandle(::SelectObject(m_hDC, HandleOf(pBrush))));
}

CFont* CDC::SelectObject(CFont* pFont)
{
    return static_cast<CFont*>(CGdiObject::FromHandle(::SelectObject(m_hDC, HandleOf(pFont))));
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
    return static_cast<CBitmap*>(CGdiObject::FromHandle(::SelectObject(m_hDC, HandleOf(pBitmap))));
}

int CDC::SelectObject(CRgn* pRgn)
{
    return static_cast<int>(reinterpret_cast<INT_PTR>(::SelectObject(m_hDC, HandleOf(pRgn))));
}

CBitmap* CDC::GetCurrentBitmap() const
{
    return static_cast<CBitmap*>(CGdiObject::FromHandle(::GetCurrentObject(m_hDC, OBJ_BITMAP)));
}

CFont* CDC::GetCurrentFont() const
{
    return static_cast<CFont*>(CGdiObject::FromHandle(::GetCurrentObject(m_hDC, OBJ_FONT)));
}

CPoint CDC::MoveTo(int x, int y)
{
    POINT previous = {0, 0};
    ::MoveToEx(m_hDC, x, y, &previous);
    return previous;
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    // The classic way: an opaque text call with no text fills with the
    // background colour, without creating a brush.
    ::SetBkColor(m_hDC, clr);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, lpRect, NULL, 0, NULL);
}

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const
{
    SIZE size = {0, 0};
    ::GetTextExtentPoint32A(m_hAttribDC, lpszString, nCount, &size);
    return size;
}

CPalette* CDC::SelectPalette(CPalette* pPalette, BOOL bForceBackground)
{
    return CPalette::FromHandle(::SelectPalette(m_hDC, static_cast<HPALETTE>(HandleOf(pPalette)), bForceBackground));
}

int CDC::StartDoc(LPCTSTR lpszDocName)
{
    DOCINFOA doc;
    ::ZeroMemory(&doc, sizeof(doc));
    doc.cbSize = sizeof(doc);
    doc.lpszDocName = lpszDocName;
    return StartDoc(&doc);
}

CPoint CDC::SetBrushOrg(int x, int y)
{
    POINT previous = {0, 0};
    ::SetBrushOrgEx(m_hDC, x, y, &previous);
    return previous;
}
