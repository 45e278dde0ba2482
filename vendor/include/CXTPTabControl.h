// The toolkit's tab control: a child window that shows the tabs of its tab
// manager along its top and selects a tab on a click.
#pragma once

#include <afxwin.h>

#include "CXTPTabManager.h"
#include "VendorToolkitApi.h"

class VENDOR_TOOLKIT_API CXTPTabControl : public CWnd, public CXTPTabManager {
public:
    CXTPTabControl();
    virtual ~CXTPTabControl();

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

protected:
    void Reposition() override;

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    HFONT m_hFont = NULL; // the captions' font given with WM_SETFONT; not owned
};
