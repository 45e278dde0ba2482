// Gallery page for the hyperlink control: links in the three alignments,
// one on a background colour, and one that tells the page of its clicks,
// which the page shows as a host would.
#pragma once

#include <afxwin.h>

#include "CXHyperLink.h"
#include "GalleryPage.h"

class LinkPage : public GalleryPage {
public:
    enum { kNotifyingId = 6 };

    BOOL Create(CWnd* pParent, const CRect& rect, UINT nID, CFont* pFont);

protected:
    afx_msg LRESULT OnLinkClicked(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    // A static as a dialog would hold it, then attached as a link.
    void AddLink(CXHyperLink& link, const char* pszText, DWORD dwAlign, const CRect& rect, UINT nID, CFont* pFont);

    CXHyperLink m_left;
    CXHyperLink m_centre;
    CXHyperLink m_right;
    CXHyperLink m_shaded;
    CXHyperLink m_notifying;
    int m_nClicks = 0; // clicks the notifying link has reported
};
