#include "GalleryPage.h"

#include "Utf8Text.h"

BOOL GalleryPage::CreatePage(CWnd* pParent, const CRect& rect, UINT nID, CFont* pFont, const char* pszHelpUtf8,
                             const char* pszStatusUtf8, int nStatusTop, LPCTSTR lpszClass)
{
    if (!CreateEx(0, lpszClass, NULL, WS_CHILD | WS_CLIPCHILDREN, rect, pParent, nID))
        return FALSE;
    m_pFont = pFont;
    m_help.Create(TextFromUtf8(pszHelpUtf8), WS_CHILD | WS_VISIBLE, CRect(0, 0, rect.Width(), 44), this, kHelpId);
    m_help.SetFont(pFont);
    if (pszStatusUtf8 != nullptr) {
        m_status.Create(TextFromUtf8(pszStatusUtf8), WS_CHILD | WS_VISIBLE,
                        CRect(24, nStatusTop, rect.Width(), nStatusTop + 60), this, kStatusId);
        m_status.SetFont(pFont);
    }
    return TRUE;
}

CString GalleryPage::StatusText() const
{
    CString strText;
    if (m_status.m_hWnd != NULL)
        m_status.GetWindowText(strText);
    return strText;
}

void GalleryPage::SetStatus(const CString& strText) { m_status.SetWindowText(strText); }
