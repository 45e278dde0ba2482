// Common controls: the rich edit and tooltip controls, over the Win32
// declarations.
#pragma once

#include "afxwin.h"
#include <commctrl.h>

#include <richedit.h>

// Loads the rich edit library once for the process, so that its window
// class exists; the library stays loaded until the process ends.
AFX_MFC_API BOOL AFXAPI AfxInitRichEdit2();

/////////////////////////////////////////////////////////////////////////////
// CRichEditCtrl: the system's rich edit control, window class "RichEdit20A"

class AFX_MFC_CLASS CRichEditCtrl : public CWnd {
    DECLARE_DYNAMIC(CRichEditCtrl)
public:
// Constructors
    CRichEditCtrl();
    virtual ~CRichEditCtrl();
    // Loads the rich edit library for the process first (AfxInitRichEdit2).
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

// Attributes
    long GetTextLength() const { return static_cast<long>(SendMessage(WM_GETTEXTLENGTH)); }
    void GetSel(long& nStartChar, long& nEndChar) const;
    DWORD SetEventMask(DWORD dwEventMask) { return static_cast<DWORD>(SendMessage(EM_SETEVENTMASK, 0, dwEventMask)); }
    BOOL SetReadOnly(BOOL bReadOnly = TRUE) { return static_cast<BOOL>(SendMessage(EM_SETREADONLY, bReadOnly)); }
    void LimitText(long nChars = 0) { SendMessage(EM_EXLIMITTEXT, 0, nChars); }
    // The previous background colour; bSysColor TRUE takes the window colour.
    COLORREF SetBackgroundColor(BOOL bSysColor, COLORREF cr)
    {
        return static_cast<COLORREF>(SendMessage(EM_SETBKGNDCOLOR, bSysColor, cr));
    }

// Operations
    void SetSel(long nStartChar, long nEndChar);
    void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE)
    {
        SendMessage(EM_REPLACESEL, bCanUndo, reinterpret_cast<LPARAM>(lpszNewText));
    }
};

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
