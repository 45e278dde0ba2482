// What every gallery page shares: a child window over the right side of the
// main window, a help line at its top and, on pages whose controls report
// to the host, a status line that shows what the host learnt.
#pragma once

#include <afxwin.h>

class GalleryPage : public CWnd {
public:
    // Control IDs of the shared lines; a page numbers its own controls from 2.
    enum { kHelpId = 1, kStatusId = 99 };

    // The status line's text, as the tour reads it back.
    CString StatusText() const;

protected:
    // Creates the page (in the window class lpszClass, or MFC's default) with
    // its help line; a status line at nStatusTop when pszStatusUtf8 is set.
    BOOL CreatePage(CWnd* pParent, const CRect& rect, UINT nID, CFont* pFont, const char* pszHelpUtf8,
                    const char* pszStatusUtf8 = nullptr, int nStatusTop = 320, LPCTSTR lpszClass = NULL);
    void SetStatus(const CString& strText);

    CFont* m_pFont = nullptr; // the gallery's font, the main window's
    CStatic m_help;
    CStatic m_status;
};
