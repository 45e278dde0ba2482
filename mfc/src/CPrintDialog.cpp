#include <afxdlgs.h>

IMPLEMENT_DYNAMIC(CCommonDialog, CDialog)
IMPLEMENT_DYNAMIC(CPrintDialog, CCommonDialog)

CCommonDialog::CCommonDialog(CWnd* pParentWnd) : CDialog(static_cast<UINT>(0), pParentWnd) {}

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd* pParentWnd) : CCommonDialog(pParentWnd)
{
    ::ZeroMemory(&m_pd, sizeof(m_pd));
    m_pd.lStructSize = sizeof(m_pd);
    m_pd.Flags = dwFlags;
    if (bPrintSetupOnly)
        m_pd.Flags |= PD_PRINTSETUP;
    else
        m_pd.Flags |= PD_RETURNDC;
    m_pd.Flags &= ~PD_RETURNIC;
    m_pd.nCopies = 1;
}

CPrintDialog::~CPrintDialog() { FreeSettings(); }

void CPrintDialog::FreeSettings()
{
    if (m_pd.hDevMode != NULL)
        ::GlobalFree(m_pd.hDevMode);
    if (m_pd.hDevNames != NULL)
        ::GlobalFree(m_pd.hDevNames);
    m_pd.hDevMode = NULL;
    m_pd.hDevNames = NULL;
}

INT_PTR CPrintDialog::DoModal()
{
    HWND hOwner = m_pParentWnd != NULL ? m_pParentWnd->m_hWnd : NULL;
    if (hOwner == NULL && AfxGetMainWnd() != NULL)
        hOwner = AfxGetMainWnd()->m_hWnd;
    m_pd.hwndOwner = hOwner;
    return ::PrintDlgA(&m_pd) ? IDOK : IDCANCEL;
}

BOOL CPrintDialog::GetDefaults()
{
    // The system fills in fresh settings only when none are passed in.
    FreeSettings();
    const DWORD dwFlags = m_pd.Flags;
    m_pd.Flags |= PD_RETURNDEFAULT;
    m_pd.Flags &= ~PD_PRINTSETUP;
    BOOL bResult = ::PrintDlgA(&m_pd);
    m_pd.Flags = dwFlags;
    return bResult;
}

LPDEVMODE CPrintDialog::GetDevMode() const
{
    return m_pd.hDevMode == NULL ? NULL : static_cast<LPDEVMODE>(::GlobalLock(m_pd.hDevMode));
}

CString CPrintDialog::GetDeviceName() const
{
    CString strName;
    if (m_pd.hDevNames == NULL)
        return strName;
    const DEVNAMES* pNames = static_cast<const DEVNAMES*>(::GlobalLock(m_pd.hDevNames));
    if (pNames != NULL) {
        strName = reinterpret_cast<LPCSTR>(pNames) + pNames->wDeviceOffset;
        ::GlobalUnlock(m_pd.hDevNames);
    }
    return strName;
}
