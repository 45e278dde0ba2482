#include <afxwin.h>

#include <stdlib.h>

IMPLEMENT_DYNAMIC(CFont, CGdiObject)

CFont::CFont() = default;

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont)
{
    return lpLogFont != NULL && Attach(::CreateFontIndirectA(lpLogFont));
}

BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC)
{
    LOGFONT logFont = {};
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfHeight = nPointSize;
    if (lpszFaceName != NULL)
        lstrcpynA(logFont.lfFaceName, lpszFaceName, LF_FACESIZE);
    return CreatePointFontIndirect(&logFont, pDC);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC* pDC)
{
    if (lpLogFont == NULL)
        return FALSE;
    // lfHeight is in tenths of a point: convert it to the DC's logical
    // units as a character height (negative).
    HDC hDC = pDC != NULL ? pDC->m_hAttribDC : ::GetDC(NULL);
    POINT pt = {0, ::MulDiv(::GetDeviceCaps(hDC, LOGPIXELSY), lpLogFont->lfHeight, 720)};
    POINT ptOrigin = {0, 0};
    ::DPtoLP(hDC, &pt, 1);
    ::DPtoLP(hDC, &ptOrigin, 1);
    if (pDC == NULL)
        ::ReleaseDC(NULL, hDC);
    LOGFONT logFont = *lpLogFont;
    logFont.lfHeight = -abs(pt.y - ptOrigin.y);
    return CreateFontIndirect(&logFont);
}
