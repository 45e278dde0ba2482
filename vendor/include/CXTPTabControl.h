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
    DECLARE_MESSAGE_MAP()
};
