// Gallery page for the search edit: an edit over a few thousand quote
// names; a choice is shown below it, as a host would read it.
#pragma once

#include <afxwin.h>

#include "CSearchEdit.h"
#include "GalleryPage.h"

class SearchEditPage : public GalleryPage {
public:
    enum { kEditId = 2 };

    BOOL Create(CWnd* pParent, const CRect& rect, UINT nID, CFont* pFont);

protected:
    afx_msg LRESULT OnSearchSelected(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    CSearchEdit m_edit;
};
