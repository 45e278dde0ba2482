// The gallery's main window: a list of pages on the left and the chosen
// page's controls on the right.
#pragma once

#include <afxwin.h>

class GalleryWindow : public CWnd {
public:
    GalleryWindow();
    BOOL CreateMain();

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    DECLARE_MESSAGE_MAP()

private:
    CFont m_font;
    CListBox m_pages;
    CStatic m_about;
};
