#include <afxwin.h>

#include "WindowCreationHook.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

// The dialog procedure behind every CDialog. The dialog window itself is
// subclassed to AfxWndProc, so this sees only what the map leaves.
INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    CDialog* pDialog = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(hWnd));
    return pDialog == NULL ? TRUE : pDialog->OnInitDialog();
}

CDialog::CDialog() : m_lpszTemplateName(NULL), m_pParentWnd(NULL) {}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCEA(nIDTemplate)), m_pParentWnd(pParentWnd)
{
}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd)
{
}

CDialog::~CDialog() = default;

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    return Create(MAKEINTRESOURCEA(nIDTemplate), pParentWnd);
}

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    if (m_hWnd != NULL || lpszTemplateName == NULL)
        return FALSE;
    m_lpszTemplateName = lpszTemplateName;
    m_pParentWnd = pParentWnd;
    HINSTANCE hInst = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
    HWND hWnd;
    {
        WindowCreationHook hook(this);
        hWnd = ::CreateDialogParamA(hInst, lpszTemplateName, pParentWnd == NULL ? NULL : pParentWnd->m_hWnd,
                                    AfxDlgProc, 0);
    }
    return hWnd != NULL;
}

INT_PTR CDialog::DoModal()
{
    if (m_hWnd != NULL || m_lpszTemplateName == NULL)
        return -1;
    // The owner, as MFC chooses it: the parent's top-level window, or the
    // application's main window when there is no parent.
    HWND hOwner = m_pParentWnd != NULL ? m_pParentWnd->m_hWnd : NULL;
    if (hOwner == NULL && AfxGetMainWnd() != NULL)
        hOwner = AfxGetMainWnd()->m_hWnd;
    while (hOwner != NULL && (::GetWindowLongA(hOwner, GWL_STYLE) & WS_CHILD) != 0)
        hOwner = ::GetParent(hOwner);
    HINSTANCE hInst = AfxFindResourceHandle(m_lpszTemplateName, RT_DIALOG);
    // The system's modal loop runs the dialog; the hook attaches this object
    // to the dialog window only, the first window the call creates.
    WindowCreationHook hook(this);
    return ::DialogBoxParamA(hInst, m_lpszTemplateName, hOwner, AfxDlgProc, 0);
}

void CDialog::EndDialog(int nResult) { ::EndDialog(m_hWnd, nResult); }

// Fills the controls from the members, as every MFC dialog starts.
BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() { EndDialog(IDOK); }

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    // Tab, arrows, Enter and Escape get the dialog's keyboard interface.
    if (pMsg == NULL || pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
        return FALSE;
    return ::IsDialogMessageA(m_hWnd, pMsg);
}
