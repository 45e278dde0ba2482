// Common controls: the tooltip control, over the Win32 declarations.
#pragma once

#include "afxwin.h"
#include <commctrl.h>

// A tooltip window: tools are windows or rectangles of windows, each with a
// text that the tooltip shows when the mouse rests on it. The tooltip sees
// the mouse only through RelayEvent.
class AFX_MFC_CLASS CToolTipCtrl : public CWnd {
    DECLARE_DYNAMIC(CToolTipCtrl)
public:
// Constructors
    CToolTipCtrl();
    virtual ~CToolTipCtrl();
    // A pop-up tooltip owned by pParentWnd; registers the class on first use.
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);

// Operations
    // Tool nIDTool of pWnd over lpRectTool (client coordinates of pWnd).
    BOOL AddTool(CWnd* pWnd, LPCTSTR lpszText = LPSTR_TEXTCALLBACK, LPCRECT lpRectTool = NULL, UINT_PTR nIDTool = 0);
    void UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
    void Activate(BOOL bActivate) { SendMessage(TTM_ACTIVATE, bActivate); }
    void RelayEvent(LPMSG lpMsg) { SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(lpMsg)); }
};
