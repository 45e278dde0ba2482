// The date and time picker control.
#pragma once

#include "afxwin.h"
#include <commctrl.h>

class AFX_MFC_CLASS CDateTimeCtrl : public CWnd {
    DECLARE_DYNAMIC(CDateTimeCtrl)
public:
    CDateTimeCtrl();
    virtual ~CDateTimeCtrl();
    // Registers the common control class on first use.
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    BOOL SetTime(const SYSTEMTIME* pTimeNew)
    {
        return static_cast<BOOL>(SendMessage(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(pTimeNew)));
    }
    DWORD GetTime(LPSYSTEMTIME pTimeDest) const
    {
        return static_cast<DWORD>(SendMessage(DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(pTimeDest)));
    }
};
