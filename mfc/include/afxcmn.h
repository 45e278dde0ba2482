// Common controls: the subset's wrappers need only the Win32 declarations.
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
