// Gallery page for the search edit: an edit over a few thousand quote
// names; a choice is shown below it, as a host would read it.
#pragma once

#include <afxwin.h>

#include "CSearchEdit.h"

class SearchEditPage : public CWnd {
public:
    BOOL Create(CWnd* pParent, const CRect& rect, UINT nID, CFont* pFont);

protected:
    afx_msg LRESULT OnSearchSelected(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    CStatic m_help;
    CSearchEdit m_edit;
    CStatic m_choice;
};
