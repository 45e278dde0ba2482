// Gallery page for the drag list: quote symbols to reorder by dragging, and
// a status line that counts the drags the list has reported as ended.
#pragma once

#include "CDragListBoxEx.h"
#include "GalleryPage.h"

class DragListPage : public GalleryPage {
public:
    enum { kListId = 2 };

    BOOL Create(CWnd* pParent, const CRect& rect, UINT nID, CFont* pFont);

protected:
    afx_msg LRESULT OnDragEnd(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    CDragListBoxEx m_list;
    int m_nDragEnds = 0;
};
