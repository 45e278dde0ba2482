// Dialog data exchange: the context DoDataExchange receives, and the DDX_
// call that binds a member object to a dialog's control.
#pragma once

class AFX_MFC_CLASS CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate; // TRUE: controls to members; FALSE: members to controls
    CWnd* m_pDlgWnd;         // the dialog whose controls are exchanged

    // The control nIDC of the dialog, or NULL when it has none.
    HWND PrepareCtrl(int nIDC);
};

// Subclasses the dialog's control nIDC into rControl the first time; later
// exchanges leave a bound member alone.
AFX_MFC_API void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
