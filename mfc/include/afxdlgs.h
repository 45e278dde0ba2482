// Common dialogs of the MFC subset: the system's print dialog.
#pragma once

#include "afxwin.h"
#include <commdlg.h>

class AFX_MFC_CLASS CCommonDialog : public CDialog {
    DECLARE_DYNAMIC(CCommonDialog)
public:
    explicit CCommonDialog(CWnd* pParentWnd);
};

class AFX_MFC_CLASS CPrintDialog : public CCommonDialog {
    DECLARE_DYNAMIC(CPrintDialog)
public:
// Constructors
    // A print dialog (or the print setup dialog) that returns a printer DC
    // unless it is setup-only.
    explicit CPrintDialog(BOOL bPrintSetupOnly,
                          DWORD dwFlags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE |
                                          PD_NOSELECTION,
                          CWnd* pParentWnd = NULL);
    // Frees the printer settings the system handed over; a printer DC it
    // returned stays the caller's.
    virtual ~CPrintDialog();

// Operations
    // Shows the system's dialog; IDOK when the user confirmed a printer.
    virtual INT_PTR DoModal();
    // The default printer's settings without any dialog; FALSE when the
    // system has no default printer.
    BOOL GetDefaults();

// Attributes
    // The chosen (or default) printer's settings, or NULL before any.
    LPDEVMODE GetDevMode() const;
    HDC GetPrinterDC() const { return m_pd.hDC; }
    CString GetDeviceName() const;

    PRINTDLG m_pd; // what the system's dialog is given and returns

// Implementation
private:
    void FreeSettings();
};
