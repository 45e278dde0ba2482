// The module state shared by the host and every extension library, and
// resource lookup along the chain of extension libraries.
#include <afxwin.h>

#include <initializer_list>

AFX_MODULE_STATE::AFX_MODULE_STATE()
    : m_pCurrentWinApp(NULL),
      m_hCurrentInstanceHandle(::GetModuleHandleA(NULL)),
      m_hCurrentResourceHandle(m_hCurrentInstanceHandle),
      m_pFirstDLL(NULL)
{
}

AFX_MODULE_STATE* AFXAPI AfxGetModuleState()
{
    static AFX_MODULE_STATE state;
    return &state;
}

HINSTANCE AFXAPI AfxGetInstanceHandle() { return AfxGetModuleState()->m_hCurrentInstanceHandle; }

HINSTANCE AFXAPI AfxGetResourceHandle() { return AfxGetModuleState()->m_hCurrentResourceHandle; }

void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource)
{
    if (hInstResource != NULL)
        AfxGetModuleState()->m_hCurrentResourceHandle = hInstResource;
}

HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType)
{
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    if (::FindResourceA(pState->m_hCurrentResourceHandle, lpszName, lpszType) != NULL)
        return pState->m_hCurrentResourceHandle;
    // The ordinary libraries first, then the system ones.
    for (const BOOL bSystem : {FALSE, TRUE}) {
        for (CDynLinkLibrary* pDLL = pState->m_pFirstDLL; pDLL != NULL; pDLL = pDLL->m_pNextDLL) {
            if (pDLL->m_bSystem == bSystem && pDLL->m_hResource != NULL &&
                ::FindResourceA(pDLL->m_hResource, lpszName, lpszType) != NULL)
                return pDLL->m_hResource;
        }
    }
    return pState->m_hCurrentResourceHandle;
}
